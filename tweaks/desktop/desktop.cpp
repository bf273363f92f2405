// The Desktop category: which system folders the desktop shows, the screen saver's grace
// period, the first desktop icon, the cleanup wizard, the desktop's context menu, the
// classic shell, the Internet Explorer, My Computer and My Documents icons, the Recycle
// Bin's rename and delete commands, pop-up descriptions, the desktop process and the
// texts painted on it.
//
// Written by hand: the grace period (82), whose checkbox decides whether the combo is
// stored at all; My Documents (90) and the Recycle Bin (91), which change single bits of
// an attribute mask and keep the rest.
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/desktop/desktop.h"

namespace tallowick {

namespace {

// The note of some pages, without its full stop.

// Policies are made below an opened Policies key: a user who never had an Explorer
// policy has no Explorer key there.
constexpr Target kPolicies{hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "",
                           CreateTail(1)};

// A checkbox stored as 1 or 0 on the MultiCheckPage.
Declared Check(TweakId id, const char* caption, Target at, std::optional<Gate> gate,
               const char* note) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Dword(1), .off = Dword(0)}},
        .gate = gate,
        .note = note};
}

// A policy of both scopes that is there only while it is on.
Declared Policy(TweakId id, const char* userCaption, const char* machineCaption, const char* value,
                std::optional<Gate> gate, const char* note) {
    return Declared{.id = id,
                    .fields = BothScopes(userCaption, machineCaption, kPolicies.Named(value),
                                         Dword(1), DeleteValue()),
                    .gate = gate,
                    .note = note};
}

// Each folder the desktop shows is a class key below its NameSpace key, spelt as Windows
// spells it. The NameSpace key itself is never made.
#define TALLOWICK_NAMESPACE \
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\"
CheckRow Icon(const char* text, Target at) {
    return CheckRow{.text = text, .at = {at}, .on = CreateKey(), .off = DeleteKey()};
}
#define TALLOWICK_ICON(text, clsid) \
    Icon(text, Target{hive::LocalMachine, TALLOWICK_NAMESPACE clsid, "", CreateTail(1)})

CheckRows DesktopIcons() {
    return CheckRows{{
        TALLOWICK_ICON("Administrative Tools", "{D20EA4E1-3957-11d2-A40B-0C5020524153}"),
        TALLOWICK_ICON("Fonts", "{D20EA4E1-3957-11d2-A40B-0C5020524152}"),
        TALLOWICK_ICON("History", "{FF393560-C2A7-11CF-BFF4-444553540000}"),
        TALLOWICK_ICON("Inbox", "{00020D75-0000-0000-C000-000000000046}"),
        TALLOWICK_ICON("Microsoft Network", "{00028B00-0000-0000-C000-000000000046}"),
        TALLOWICK_ICON("Network Connections", "{7007ACC7-3202-11D1-AAD2-00805FC1270E}"),
        TALLOWICK_ICON("Printers and Faxes", "{2227A280-3AEA-1069-A2DE-08002B30309D}"),
        TALLOWICK_ICON("Programs Folder", "{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}"),
        TALLOWICK_ICON("Recycle Bin", "{645FF040-5081-101B-9F08-00AA002F954E}"),
        TALLOWICK_ICON("Scanners and Cameras", "{E211B736-43FD-11D1-9EFB-0000F8757FCD}"),
        TALLOWICK_ICON("Scheduled Tasks", "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"),
        TALLOWICK_ICON("Start Menu Folder", "{48e7caab-b918-4e58-a94d-505519c795dc}"),
        TALLOWICK_ICON("Temporary Internet Files", "{7BD29E00-76C1-11CF-9DD0-00A0C9034933}"),
    }};
}
#undef TALLOWICK_ICON
#undef TALLOWICK_NAMESPACE

// --- 82: the screen saver's grace period ---------------------------------------------

constexpr Target kGracePeriod{hive::LocalMachine,
                              "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                              "ScreenSaverGracePeriod", CreateTail(1)};

void ShowGracePeriod(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::CheckComboPage;
    // The combo keeps the numbers 0 to 10000 the page was given, so an item is its number.
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::Label1, ctl::Combo1}, nullptr);
    ctx.pages.SetText(page, ctl::MainCheck, "Enable the Screen Saver Grace Period.");
    ctx.pages.SetText(page, ctl::Label1, "Grace Period (Seconds):");
    ctx.pages.SetCheck(page, ctl::MainCheck, false);
    ctx.pages.ComboSetCurSel(page, ctl::Combo1, -1);
    const auto stored =
        ReadText(ctx.registry, kGracePeriod.hive, kGracePeriod.key, kGracePeriod.value);
    if (stored) {
        ctx.pages.SetCheck(page, ctl::MainCheck, true);
        const int seconds = AtoiLikeC(*stored);
        if (seconds >= 0 && seconds < ctx.pages.ComboGetCount(page, ctl::Combo1))
            ctx.pages.ComboSetCurSel(page, ctl::Combo1, seconds);
    }
    ctx.pages.EnableControl(page, ctl::Combo1, stored.has_value());
}

void ApplyGracePeriod(TweakContext& ctx) {
    constexpr PageId page = PageId::CheckComboPage;
    if (!CheckGate(ctx, gate::NtFamily, Refusal::Leave, page))
        return;
    ctx.RecordDate();
    if (!ctx.pages.IsChecked(page, ctl::MainCheck)) {
        DeleteValueOfKey(ctx.registry, kGracePeriod.hive, kGracePeriod.key, kGracePeriod.value);
        return;
    }
    // Winlogon reads the period as a text only; without a choice the value stays as it is.
    const int seconds = ctx.pages.ComboGetCurSel(page, ctl::Combo1);
    if (seconds >= 0)
        StoreData(ctx, kGracePeriod, Text(FormatInt(seconds)), false);
}

// --- 90: My Documents on the desktop -------------------------------------------------

#define TALLOWICK_MY_DOCUMENTS "CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}\\ShellFolder"
// Windows 95, 98 and Me keep the folder's attributes with the classes, NT in Explorer's key.
constexpr Target kDocuments9x{hive::CurrentUser, "Software\\Classes\\" TALLOWICK_MY_DOCUMENTS,
                              "Attributes", CreateTail(3)};
constexpr Target kDocumentsNt{
    hive::CurrentUser,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\" TALLOWICK_MY_DOCUMENTS, "Attributes",
    CreateTail(3)};
#undef TALLOWICK_MY_DOCUMENTS
// SFGAO_NONENUMERATED: the folder is left out of the desktop and the Start menu.
constexpr std::uint32_t kNonEnumerated = 0x00100000;
constexpr std::uint32_t kHiddenDocuments = 0xF0500174;
constexpr std::uint32_t kShownDocuments = 0xF0400174;
constexpr int kScopeBoxes[] = {ctl::MainCheck, ctl::SecondCheck};
constexpr RegKey kScopes[] = {ScopeCurrentUser, ScopeAllUsers};

Target DocumentsAttributes(TweakContext& ctx, RegKey scope) {
    const OsVersionInfo os(ctx.host);
    const bool family9x = os.IsWin95() || os.IsWin98() || os.IsWinMe();
    return (family9x ? kDocuments9x : kDocumentsNt).Under(scope);
}

void ShowMyDocuments(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::SecondCheck}, kRestartNoStopNote);
    ctx.pages.SetText(page, ctl::MainCheck,
                      "Remove My Documents from the Desktop and Start Menu(Current User).");
    ctx.pages.SetText(page, ctl::SecondCheck,
                      "Remove My Documents from the Desktop and Start Menu(All Users).");
    for (int i = 0; i < 2; ++i) {
        const Target at = DocumentsAttributes(ctx, kScopes[i]);
        const auto stored = ReadRegValue(ctx.registry, at.hive, at.key, at.value);
        ctx.pages.SetCheck(
            page, kScopeBoxes[i],
            stored && stored->data.size() == 4 && (NumberFromBytes(stored->data) & kNonEnumerated));
    }
}

void ApplyMyDocuments(TweakContext& ctx) {
    constexpr PageId page = PageId::MultiCheckPage;
    ctx.RecordDate();
    for (int i = 0; i < 2; ++i) {
        const bool hidden = ctx.pages.IsChecked(page, kScopeBoxes[i]);
        const Target at = DocumentsAttributes(ctx, kScopes[i]);
        // Only the one bit changes: the folder's other attributes stay as they are.
        const auto stored = ReadRegValue(ctx.registry, at.hive, at.key, at.value);
        std::uint32_t attributes = hidden ? kHiddenDocuments : kShownDocuments;
        if (stored && stored->data.size() == 4) {
            attributes = NumberFromBytes(stored->data);
            attributes = hidden ? attributes | kNonEnumerated : attributes & ~kNonEnumerated;
        }
        StoreData(ctx, at, Dword(attributes), false);
    }
}

// --- 91: renaming and deleting the Recycle Bin ---------------------------------------

constexpr Target kRecycleBin{hive::ClassesRoot,
                             "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder",
                             "Attributes", kCreateAll};
// SFGAO_CANRENAME and SFGAO_CANDELETE, in the first byte of the mask.
constexpr std::uint8_t kCanRename = 0x10;
constexpr std::uint8_t kCanDelete = 0x20;

void ShowRecycleBin(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::SecondCheck}, nullptr);
    ctx.pages.SetText(page, ctl::MainCheck, "Allow Renaming the Recycle Bin.");
    ctx.pages.SetText(page, ctl::SecondCheck, "Allow Deleting the Recycle Bin.");
    const auto stored =
        ReadRegValue(ctx.registry, kRecycleBin.hive, kRecycleBin.key, kRecycleBin.value);
    const std::uint8_t first = stored && !stored->data.empty() ? stored->data[0] : 0;
    ctx.pages.SetCheck(page, ctl::MainCheck, first & kCanRename);
    ctx.pages.SetCheck(page, ctl::SecondCheck, first & kCanDelete);
}

void ApplyRecycleBin(TweakContext& ctx) {
    constexpr PageId page = PageId::MultiCheckPage;
    ctx.RecordDate();
    // The other attribute bits stay as they are; Windows' own mask stands in for none.
    std::vector<std::uint8_t> mask = {0x40, 0x01, 0x00, 0x20};
    const auto stored =
        ReadRegValue(ctx.registry, kRecycleBin.hive, kRecycleBin.key, kRecycleBin.value);
    if (stored && stored->data.size() >= 4)
        mask.assign(stored->data.begin(), stored->data.begin() + 4);
    mask[0] &= static_cast<std::uint8_t>(~(kCanRename | kCanDelete));
    if (ctx.pages.IsChecked(page, ctl::MainCheck))
        mask[0] |= kCanRename;
    if (ctx.pages.IsChecked(page, ctl::SecondCheck))
        mask[0] |= kCanDelete;
    if (StoreData(ctx, kRecycleBin, Binary(mask), false) == err::Success)
        StoreData(ctx, kRecycleBin.Named("CallForAttributes"), Dword(0), false);
}

}  // namespace

void RegisterDesktop(HandlerTable& table) {
    Register(
        table,
        Declared{
            .id = 80, .page = PageId::ValueListPage, .fields = {DesktopIcons()}, .note = nullptr});
    table.Register(
        82, TweakHandlers{ShowGracePeriod, ApplyGracePeriod, BrowseKind::File,
                          Enables{PageId::CheckComboPage, ctl::MainCheck, {ctl::Combo1}}, nullptr});
    // Windows sorts the desktop's icons by this index: 72 puts My Documents before My
    // Computer, 84 after it.
    Register(
        table,
        Declared{.id = 83,
                 .page = PageId::ComboCheckPage,
                 .fields = {Choice{
                     .label = "First Desktop Icon:",
                     .items = {{"My Documents", Dword(72)}, {"My Computer", Dword(84)}},
                     .at = {{hive::ClassesRoot, "CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}",
                             "SortOrderIndex"}},
                     .none = Dword(84)}},
                 .gate = gate::Win2000MeXp,
                 .note = nullptr});
    Register(table, Check(84, "Disable Desktop Cleanup Wizard .",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\"
                           "CleanupWiz",
                           "NoRun", kCreateAll},
                          gate::XpOnly, kRestartNote));
    Register(table, Policy(85, "Restrict Context Menu (Current User).",
                           "Restrict Context Menu (All Users).", "NoViewContextMenu", std::nullopt,
                           kRestartNote));
    Register(table, Policy(86, "Force the Classic Desktop (Current User).",
                           "Force the Classic Desktop (All Users).", "ClassicShell", gate::AllButXp,
                           nullptr));
    Register(table, Policy(87, "Hide the Internet Explorer Icon (Current User).",
                           "Hide the Internet Explorer Icon (All Users).", "NoInternetIcon",
                           std::nullopt, kRestartNote));
    Register(table,
             Check(88, "Launch Windows Desktop in a Separate Process",
                   {hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                    "DesktopProcess", kCreateAll},
                   gate::Win2000MeXp, kRestartNote));
    // The value is named after the My Computer class.
    Register(table,
             Declared{.id = 89,
                      .fields = BothScopes(
                          "Remove My Computer from the Desktop and Start Menu (Current User).",
                          "Remove My Computer from the Desktop and Start Menu (All Users).",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\NonEnum",
                           "{20D04FE0-3AEA-1069-A2D8-08002B30309D}", CreateTail(1)},
                          Dword(1), Dword(0)),
                      .gate = gate::Win2000MeXp,
                      .note = nullptr});
    table.Register(90, ShowMyDocuments, ApplyMyDocuments);
    table.Register(91, ShowRecycleBin, ApplyRecycleBin);
    Register(table, Check(92, "Show Tool Tip Information and Descriptions.",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                           "ShowInfoTip", kCreateAll},
                          std::nullopt, kRestartNote));
    // My Computer's caption; Explorer expands the names when it shows it.
    Register(table,
             Declared{.id = 93,
                      .fields = {Box{.caption = "Show User and Computer Name On My Computer.",
                                     .at = {{hive::ClassesRoot,
                                             "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}",
                                             "LocalizedString", kCreateAll}},
                                     .on = ExpandText("%USERNAME% on %COMPUTERNAME%"),
                                     .off = ExpandText("My Computer")}},
                      .gate = gate::NtFamily,
                      .refusal = Refusal::FlipMainCheck,
                      .note = nullptr});
    Register(table, Check(94, "Show Windows Version on Desktop .",
                          {hive::CurrentUser, "Control Panel\\Desktop", "PaintDesktopVersion"},
                          std::nullopt, kRestartNoStopNote));
}

}  // namespace tallowick
