// The Explorer category's own tweaks: context-menu entries, the program-files folders,
// auto-complete, the thumbnail cache, folder windows, shared documents, columns,
// encryption commands, hidden files, the Open With dialog and unknown file types.
//
// Written by hand: "Explore From Here" (104), which makes a key and its command subkey
// and removes them one at a time, and the Open With programs (119), whose rows are the
// subkeys found when the page was shown.
#include <string>
#include <vector>

#include "engine/declarations.h"
#include "engine/flag_rows.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/explorer/explorer.h"

namespace tallowick {

namespace {

constexpr Target kAdvanced{hive::CurrentUser, explorer::kAdvancedKey, ""};
constexpr Target kPolicies{hive::CurrentUser, explorer::kPoliciesKey, ""};

// A checkbox stored as 1 or 0 on the MultiCheckPage.
Declared Check(TweakId id, const char* caption, Target at, const char* note,
               std::optional<Gate> gate = std::nullopt, Refusal refusal = Refusal::Leave) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Dword(1), .off = Dword(0)}},
        .gate = gate,
        .refusal = refusal,
        .note = note};
}

// --- 104: "Explore From Here" on every folder's menu ---------------------------------

constexpr const char* kExploreCommandLine = "explorer.exe /e,/root,\"%1\"";
// Explore's own default value is the menu text; its command subkey is what runs.
constexpr Target kExploreCommand{hive::ClassesRoot, "Directory\\shell\\Explore\\command", "",
                                 CreateTail(2)};

void ShowExploreFromHere(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck}, kRestartNoStopNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Add Explore From Here to Every Folder Menu.");
    ctx.pages.SetCheck(page, ctl::MainCheck,
                       Matches(ctx, kExploreCommand, Text(kExploreCommandLine)));
}

void ApplyExploreFromHere(TweakContext& ctx) {
    ctx.RecordDate();
    if (ctx.pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck)) {
        StoreData(ctx, kExploreCommand, Text(kExploreCommandLine), false);
        return;
    }
    // Neither key goes while it has subkeys of its own.
    DeleteSubkeyOf(ctx.registry, hive::ClassesRoot, "Directory\\shell\\Explore", "command");
    DeleteSubkeyOf(ctx.registry, hive::ClassesRoot, "Directory\\shell", "Explore");
}

// --- 119: the programs the Open With dialog offers -----------------------------------

// The subkeys of Applications that are programs, that is that have a shell key.
const FlagRows kOpenWithPrograms{
    hive::ClassesRoot, "Applications", "NoOpenWith",
    [](Registry& registry, RegKey applications, const std::string& name) {
        KeyHandle shell(registry);
        return registry.OpenKey(applications, (name + "\\shell").c_str(), access::Read,
                                shell.out()) == err::Success;
    }};

void ShowOpenWith(TweakContext& ctx, TweakId id) {
    ShowFlagRows(ctx, id, kOpenWithPrograms);
}

void ApplyOpenWith(TweakContext& ctx) {
    ctx.RecordDate();
    ApplyFlagRows(ctx, kOpenWithPrograms);
}

}  // namespace

void RegisterExplorerOwn(HandlerTable& table) {
    // A context-menu entry is offered while its subkey names the handler's class.
    Register(table,
             Declared{.id = 103,
                      .fields = {Box{.caption = "Add Copy To Folder Menu Option.",
                                     .at = {{hive::ClassesRoot,
                                             "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\"
                                             "Copy To",
                                             "", kCreateAll}},
                                     .on = Text("{C2FBB630-2971-11d1-A18C-00C04FD75D13}"),
                                     .off = DeleteKey(),
                                     .match = Match::IgnoreCase},
                                 Box{.caption = "Add Move To Folder Menu Option.",
                                     .at = {{hive::ClassesRoot,
                                             "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\"
                                             "Move To",
                                             "", kCreateAll}},
                                     .on = Text("{C2FBB631-2971-11d1-A18C-00C04FD75D13}"),
                                     .off = DeleteKey(),
                                     .match = Match::IgnoreCase}},
                      .note = nullptr});
    table.Register(104, ShowExploreFromHere, ApplyExploreFromHere);
    Register(table, Check(105, "Automatically Expand Folders in Explorer .",
                          kAdvanced.Named("FriendlyTree"), nullptr));
    Register(table,
             Declared{.id = 107,
                      .page = PageId::PathEditPage,
                      .fields = {EditRow{.label = "Program Directory:",
                                         .at = {{hive::LocalMachine,
                                                 "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                                 "ProgramFilesDir"}},
                                         .empty = kSkipEmpty},
                                 EditRow{.label = "Common Files Directory:",
                                         .at = {{hive::LocalMachine,
                                                 "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                                 "CommonFilesDir"}},
                                         .empty = kSkipEmpty}},
                      .note = kWindowsNote,
                      .browse = BrowseKind::Folder});
    // Windows appends when the text holds "yes" in any letter case.
    Register(table,
             Declared{.id = 108,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{.label = "Auto-Complete Mode:",
                                        .items = {{"Append Text", Text("Yes")},
                                                  {"Show Drop-down List", Text("No")}},
                                        .at = {{hive::CurrentUser,
                                                "Software\\Microsoft\\Windows\\CurrentVersion\\"
                                                "Explorer\\AutoComplete",
                                                "Append Completion", CreateTail(1)}},
                                        .none = Text("No"),
                                        .preselect = 1,
                                        .otherwise = 1,
                                        .match = Match::Contains}},
                      .note = kWindowsNote});
    Register(table,
             Check(109, "Disable the Thumbnail Cache .", kAdvanced.Named("DisableThumbnailCache"),
                   nullptr, gate::XpOnly, Refusal::ClearMainCheck));
    Register(table, Check(110, "Launch Folder Windows in a Separate Process .",
                          kAdvanced.Named("SeparateProcess"), kWindowsNote));
    Register(table, Declared{.id = 111,
                             .fields = BothScopes(
                                 "Remove Shared Documents from My Computer(Current User) .",
                                 "Remove Shared Documents from My Computer(All Users) .",
                                 kPolicies.Named("NoSharedDocuments"), Dword(1), Dword(0)),
                             .gate = gate::XpOnly,
                             .note = kWindowsNote});
    // Without a choice the value stays as it is.
    Register(table, Declared{.id = 112,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Restore Folder Windows at Startup:",
                                               .items = IndexItems({"No", "Yes"}),
                                               .at = {kAdvanced.Named("PersistBrowsers")}}},
                             .gate = gate::XpOnly,
                             .note = nullptr});
    // The entry stays registered; an empty class turns it off.
    Register(table,
             Declared{.id = 113,
                      .fields = {Box{.caption = "Show 'Send To' on the Context Menu .",
                                     .at = {{hive::ClassesRoot,
                                             "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\"
                                             "Send To",
                                             "", CreateTail(1)}},
                                     .on = Text("{7BA4C740-9E81-11CF-99D3-00AA004AE837}"),
                                     .off = Text(""),
                                     .match = Match::IgnoreCase}},
                      .note = nullptr});
    // Passes on Me, 2000 and XP too, although its alert names Windows 98 alone.
    Register(table,
             Check(114, "Show Attributes Column in Explorer .", kAdvanced.Named("ShowAttribCol"),
                   kWindowsBlankNote, WithAlert(gate::Win98MeWin2000Xp, kStringOnly98)));
    Register(table, Check(115, "Show Encryption Commands on the Shortcut Menu .",
                          kAdvanced.Named("EncryptionContextMenu").Under(hive::LocalMachine),
                          nullptr, gate::Win2000Xp, Refusal::ClearMainCheck));
    // Explorer hides hidden files for 2, not 0.
    Register(table, Declared{.id = 116,
                             .fields = {Box{.caption = "Show Hidden Folders and Files.",
                                            .at = {kAdvanced.Named("Hidden")},
                                            .on = Dword(1),
                                            .off = Dword(2)}},
                             .note = kRestartBlankNote});
    Register(table, Check(117, "Show Hidden Operating System Files .",
                          kAdvanced.Named("ShowSuperHidden"), nullptr));
    // With %2 the dialog is opened without its "Always use this program" checkbox.
    Register(table,
             Declared{.id = 118,
                      .fields = {Box{.caption = "Show \"Open With\" Program Checkbox .",
                                     .at = {{hive::ClassesRoot, "Unknown\\shell\\openas\\command",
                                             "", kCreateAll}},
                                     .on = Text("rundll32.exe shell32.dll,OpenAs_RunDLL %1"),
                                     .off = Text("rundll32.exe shell32.dll,OpenAs_RunDLL %1 %2")}},
                      .note = kRefreshNote});
    table.Register(119, ShowOpenWith, ApplyOpenWith);
    Register(table,
             Declared{.id = 120,
                      .page = PageId::PathEditPage,
                      .fields = {EditRow{.label = "Specify Unknown File Type Description",
                                         .at = {{hive::ClassesRoot, "Unknown", "", kCreateAll}},
                                         .browse = false}},
                      .note = nullptr});
}

}  // namespace tallowick
