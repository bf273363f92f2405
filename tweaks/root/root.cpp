// The tweaks at the root of the tree: the special folders, the installation source, the
// registered owner and the Alt+Tab switcher. None has a version gate, and none creates a
// key: a missing key is left missing.
#include "tweaks/root/root.h"

#include <string>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/host.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

// --- 306: the special folders -------------------------------------------------------

constexpr Target kShellFolders{
    hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
    ""};
constexpr const char* kUserProfile = "%USERPROFILE%";

struct FolderRow {
    const char* label;
    const char* value;
    int labelId, edit;
};
// "Start Menu:" shows and stores the Programs folder inside the Start Menu.
constexpr FolderRow kFolderRows[] = {{"Cookies:", "Cookies", ctl::Label1, ctl::Edit1},
                                     {"Desktop:", "Desktop", ctl::Label2, ctl::Edit2},
                                     {"Favorites:", "Favorites", ctl::Label3, ctl::Edit3},
                                     {"Internet Cache:", "Cache", ctl::Label4, ctl::Edit4},
                                     {"My Documents:", "Personal", ctl::Label5, ctl::Edit5},
                                     {"Start Menu:", "Programs", ctl::Label6, ctl::Edit6}};

// The user's profile folder as the application-data folder gives it: the path before its
// "\Application Data", or the whole path without one. Empty on the versions whose
// application data lies elsewhere (Me) and on those after XP, where texts are then left as
// they are.
std::string ProfileFolder(TweakContext& ctx) {
    const OsVersionInfo os(ctx.host);
    if (!(os.IsWin95() || os.IsWin98() || os.IsWinNT4() || os.IsWin2000() || os.IsWinXP()))
        return {};
    const std::string appData = ctx.host.SpecialFolderPath(csidl::AppData).value_or("");
    const std::size_t at = appData.find("Application Data");
    if (at == std::string::npos)
        return appData;
    return appData.substr(0, at > 0 && appData[at - 1] == '\\' ? at - 1 : at);
}

// Every `from` in `text` becomes `to`; with `wholeFolder`, only where it ends a path
// segment (a backslash or the end follows it), as a profile "...\Al" is no part of
// "...\Alice".
std::string Replace(const std::string& text, const std::string& from, const std::string& to,
                    bool wholeFolder) {
    if (from.empty())
        return text;
    std::string out;
    std::size_t done = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1)) {
        const std::size_t end = at + from.size();
        if (at < done || (wholeFolder && end < text.size() && text[end] != '\\'))
            continue;
        out.append(text, done, at - done).append(to);
        done = end;
    }
    return out.append(text, done, std::string::npos);
}

void ShowFolders(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::SixPathPage;
    ShowTweakPage(ctx, id, page, {}, nullptr);
    const std::string profile = ProfileFolder(ctx);
    for (const FolderRow& row : kFolderRows) {
        ctx.pages.SetText(page, row.labelId, row.label);
        const std::string stored =
            ReadText(ctx.registry, kShellFolders.hive, kShellFolders.key, row.value).value_or("");
        // Without a profile folder the text is shown as stored, to be stored back as it was.
        ctx.pages.SetText(page, row.edit,
                          profile.empty() ? stored : Replace(stored, kUserProfile, profile, false));
    }
}

void ApplyFolders(TweakContext& ctx) {
    constexpr PageId page = PageId::SixPathPage;
    ctx.RecordDate();
    const std::string profile = ProfileFolder(ctx);
    for (const FolderRow& row : kFolderRows) {
        const std::string text = ctx.pages.GetText(page, row.edit);
        if (!text.empty()) {
            StoreData(ctx, kShellFolders.Named(row.value),
                      ExpandText(Replace(text, profile, kUserProfile, true)), false);
        }
    }
}

// --- 308: the registered owner --------------------------------------------------------

bool Family9x(const OsVersionInfo& os) {
    return os.IsWin95() || os.IsWin98() || os.IsWinMe();
}

Target OwnerKey(const OsVersionInfo& os) {
    return Family9x(os)
               ? Target{hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", ""}
               : Target{hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", ""};
}

struct OwnerRow {
    const char* label;
    const char* value;
    int labelId, edit;
};
constexpr OwnerRow kOwnerRows[] = {
    {"Registered Owner:", "RegisteredOwner", ctl::Label1, ctl::Edit1},
    {"Registered Organization:", "RegisteredOrganization", ctl::Label2, ctl::Edit2}};

void ShowOwner(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Edit1, ctl::Label2, ctl::Edit2},
                  kLowerRestartNote);
    const Target at = OwnerKey(OsVersionInfo(ctx.host));
    for (const OwnerRow& row : kOwnerRows) {
        ctx.pages.SetText(page, row.labelId, row.label);
        ctx.pages.SetText(page, row.edit,
                          ReadText(ctx.registry, at.hive, at.key, row.value).value_or(""));
    }
}

// The NT family keeps no date for this tweak.
void ApplyOwner(TweakContext& ctx) {
    const OsVersionInfo os(ctx.host);
    if (Family9x(os))
        ctx.RecordDate();
    const Target at = OwnerKey(os);
    for (const OwnerRow& row : kOwnerRows) {
        const std::string text = ctx.pages.GetText(PageId::PathEditPage, row.edit);
        if (!text.empty())
            StoreData(ctx, at.Named(row.value), Text(text), false);
    }
}

// --- 309: the Alt+Tab switcher -------------------------------------------------------

constexpr Target kDesktop{hive::CurrentUser, "Control Panel\\Desktop", "CoolSwitch"};
constexpr int kLargestSwitcherSize = 99;

struct SwitcherRow {
    const char* label;
    const char* value;
    int labelId, combo;
};
constexpr SwitcherRow kSwitcherRows[] = {
    {"Number of Columns:", "CoolSwitchColumns", ctl::Label1, ctl::Combo1},
    {"Number of Rows:", "CoolSwitchRows", ctl::Label2, ctl::Combo2}};

void ShowSwitcher(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1, ctl::Label2, ctl::Combo2},
                  kLowerRestartNote);
    std::vector<std::string> numbers;
    for (int n = 0; n <= kLargestSwitcherSize; ++n)
        numbers.push_back(FormatInt(n));
    for (const SwitcherRow& row : kSwitcherRows) {
        ctx.pages.SetText(page, row.labelId, row.label);
        ctx.pages.ComboReset(page, row.combo);
        ctx.pages.ComboAddStrings(page, row.combo, numbers);
        ctx.pages.ComboSetCurSel(page, row.combo, 0);
        // A number past the list leaves no item selected.
        const std::string stored =
            ReadText(ctx.registry, kDesktop.hive, kDesktop.key, row.value).value_or("");
        ctx.pages.ComboSetCurSel(page, row.combo, AtoiLikeC(stored));
    }
}

void ApplySwitcher(TweakContext& ctx) {
    ctx.RecordDate();
    StoreData(ctx, kDesktop, Text("1"), false);
    constexpr PageId page = PageId::ComboCheckPage;
    for (const SwitcherRow& row : kSwitcherRows) {
        // Only a number from the list is stored: nothing selected, or a text typed over the
        // selection, leaves the value as it is.
        const int index = ctx.pages.ComboGetCurSel(page, row.combo);
        if (index >= 0 && ctx.pages.GetText(page, row.combo) ==
                              ctx.pages.ComboGetItemText(page, row.combo, index))
            StoreData(ctx, kDesktop.Named(row.value), Text(FormatInt(index)), false);
    }
}

}  // namespace

void RegisterRoot(HandlerTable& table) {
    table.Register(306, TweakHandlers{ShowFolders, ApplyFolders, BrowseKind::Folder, {}, {}});
    // An empty edit leaves the source where it was.
    Register(
        table,
        Declared{.id = 307,
                 .page = PageId::PathEditPage,
                 .fields = {EditRow{
                     .label = "Source Directory:",
                     .at = {{hive::LocalMachine,
                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup", "SourcePath"}},
                     .empty = kSkipEmpty}},
                 .note = kLowerRestartNote,
                 .browse = BrowseKind::Folder});
    table.Register(308, ShowOwner, ApplyOwner);
    table.Register(309, ShowSwitcher, ApplySwitcher);
    RegisterDriveHiding(table);
}

}  // namespace tallowick
