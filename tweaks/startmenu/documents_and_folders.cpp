// The "Documents and Folders" group: recent documents, Start Menu subfolders and the
// folders the Start Menu can show as cascading menus.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/startmenu/startmenu.h"

namespace tallowick {

namespace {

using startmenu::kAdvanced;
using startmenu::kPolicies;

constexpr const char* kSubfolderNote =
    "Note:\n- Restart Windows for the change to take effect.\r\n- Custom Subfolders are the "
    "folders that you have draged into the start menu. In the Classic Mode of the Start Menu, "
    "your Custom subfolders will appear in the most upper section of the Start Menu, while in "
    "the Ordinary Mode, they will appear in the most upper section of the Programs List.";

// A folder shown as a menu stores 2; 1 shows it as a link and 0 hides it. A clear box
// turns only the menu into nothing, and leaves a link or a missing value alone.
Declared Cascade(TweakId id, const char* user, const char* all, const char* value) {
    Box box{.at = {kAdvanced.Named(value)}, .on = Dword(2), .off = Dword(0), .offOnlyOverOn = true};
    Box machine = box;
    box.control = ctl::MainCheck;
    box.caption = user;
    machine.control = ctl::SecondCheck;
    machine.caption = all;
    machine.at = {kAdvanced.Named(value).Under(hive::LocalMachine)};
    return Declared{
        .id = id, .fields = {box, machine}, .gate = gate::Win2000MeXp, .note = kLowerRestartNote};
}

}  // namespace

void RegisterDocumentsAndFolders(HandlerTable& table) {
    const Target recent = kPolicies.Named("MaxRecentDocs");
    Register(table, Declared{.id = 179,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Number of recent Documents displayed "
                                                         "(default=15)(Current User):",
                                                .at = {recent},
                                                .store = Store::Number,
                                                .empty = kDeleteEmpty,
                                                .browse = false},
                                        EditRow{.label = "Number of recent Documents displayed "
                                                         "(default=15)(All Users):",
                                                .at = {recent.Under(hive::LocalMachine)},
                                                .store = Store::Number,
                                                .empty = kDeleteEmpty,
                                                .browse = false}},
                             .gate = gate::Win2000MeXp,
                             .note = kLowerRestartNote});
    Register(table, Declared{.id = 180,
                             .fields = BothScopes(
                                 "Clear Recent Documents When Windows Exits (Current User).",
                                 "Clear Recent Documents When Windows Exits (All Users).",
                                 kPolicies.Named("ClearRecentDocsOnExit"), Dword(1), Dword(0)),
                             .note = kLowerRestartNote});
    Register(table, Declared{.id = 181,
                             .fields = BothScopes(
                                 "Do not display Start Menu Subfolders (Current User).",
                                 "Do not display Start Menu Subfolders (All Users).",
                                 kPolicies.Named("NoStartMenuSubFolders"), Dword(1), Dword(0)),
                             .note = kSubfolderNote});
    Register(table,
             Cascade(182, "Show Cascading Control Panel Items (Current User).",
                     "Show Cascading Control Panel Items (All Users).", "Start_ShowControlPanel"));
    Register(table, Cascade(183, "Show Cascading My Documents Folder (Current User).",
                            "Show Cascading My Documents Folder (All Users).", "Start_ShowMyDocs"));
    Register(table, Cascade(184, "Show Cascading My Pictures Folder (Current User).",
                            "Show Cascading My Pictures Folder (All Users).", "Start_ShowMyPics"));
    Register(table,
             Cascade(185, "Show Cascading Network Connections (Current User).",
                     "Show Cascading Network Connections (All Users).", "Start_ShowNetConn"));
    Register(table, Cascade(186, "Show Cascading Printers Folder (Current User).",
                            "Show Cascading Printers Folder (All Users).", "Start_ShowPrinters"));
}

}  // namespace tallowick
