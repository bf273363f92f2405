// The Start Menu and Taskbar category's own tweaks: the Run history, scrolling, new
// programs, the entries of the enhanced Start Menu, My Computer, Favorites and sorting.
//
// Written by hand: the programs of the frequently used list (208), whose rows are the
// program subkeys found when the page was shown, and the sort orders (209), whose keys
// are removed with everything below them.
#include <string>
#include <vector>

#include "engine/declarations.h"
#include "engine/flag_rows.h"
#include "engine/os_gate.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/startmenu/startmenu.h"

namespace tallowick {

namespace {

using startmenu::kAdvanced;
using startmenu::kEnhancedMenuNote;
using startmenu::kPolicies;

constexpr const char* kLogOffNote = "Note:\n\tLog off for the changes to take effect.";
constexpr const char* kSortNote =
    "Note:\n\tChanges will take effect after you restart Windows and Internet Explorer.";

Declared Dual(TweakId id, const char* user, const char* all, Target at, const char* note,
              Gate gate = gate::XpOnly) {
    return Declared{.id = id,
                    .fields = BothScopes(user, all, at, Dword(1), Dword(0)),
                    .gate = gate,
                    .note = note};
}

// --- 208: the programs the frequently used list may show -----------------------------

// The subkeys of Applications named like programs.
const FlagRows kFrequentPrograms{hive::ClassesRoot, "Applications", "NoStartPage",
                                 [](Registry&, RegKey, const std::string& name) {
                                     return name.find(".exe") != std::string::npos ||
                                            name.find(".EXE") != std::string::npos;
                                 }};

void ShowFrequentPrograms(TweakContext& ctx, TweakId id) {
    ShowFlagRows(ctx, id, kFrequentPrograms);
}

void ApplyFrequentPrograms(TweakContext& ctx) {
    if (!CheckGate(ctx, gate::XpOnly, Refusal::Leave, PageId::ValueListPage))
        return;
    ctx.RecordDate();
    ApplyFlagRows(ctx, kFrequentPrograms);
}

// --- 209: alphabetical order of the Start Menu and Favorites -------------------------

// Explorer sorts a menu alphabetically while it keeps no order of its own for it.
constexpr const char* kMenuOrderKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder";
constexpr Target kStartMenuOrder{hive::CurrentUser,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                 "MenuOrder\\Start Menu",
                                 "", CreateTail(1)};
constexpr Target kFavoritesOrder{hive::CurrentUser,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                 "MenuOrder\\Favorites",
                                 "", CreateTail(1)};

void ShowSorting(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::SecondCheck}, kSortNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Sort Start Menu in Alphabetical Order .");
    ctx.pages.SetText(page, ctl::SecondCheck, "Sort Favorites in Alphabetical Order .");
    ctx.pages.SetCheck(page, ctl::MainCheck, Matches(ctx, kStartMenuOrder, DeleteKey()));
    ctx.pages.SetCheck(page, ctl::SecondCheck, Matches(ctx, kFavoritesOrder, DeleteKey()));
}

// The saved orders have a subkey per submenu, so each goes with everything below it.
void Sort(TweakContext& ctx, int box, const Target& order, const char* name) {
    if (ctx.pages.IsChecked(PageId::MultiCheckPage, box)) {
        DeleteTreeAt(ctx.registry, hive::CurrentUser, std::string(kMenuOrderKey) + "\\" + name);
    } else {
        StoreData(ctx, order, CreateKey(), false);
    }
}

void ApplySorting(TweakContext& ctx) {
    ctx.RecordDate();
    if (!Matches(ctx, {hive::CurrentUser, kMenuOrderKey, ""}, CreateKey()))
        return;
    Sort(ctx, ctl::SecondCheck, kFavoritesOrder, "Favorites");
    Sort(ctx, ctl::MainCheck, kStartMenuOrder, "Start Menu");
}

// --- 210: the folders of the enhanced Start Menu -------------------------------------

// Each value holds the index of its combo's item: hidden, a link or a menu.
Choice Folder(int combo, const char* label, const char* value) {
    return Choice{
        .control = combo,
        .label = label,
        .items = IndexItems({"Don't show this item", "Display as a link", "Display as a menu"}),
        .at = {kAdvanced.Named(value)}};
}

}  // namespace

void RegisterStartMenuOwn(HandlerTable& table) {
    // With the history key gone Windows makes a new, empty one when Run is next used.
    Register(table, Declared{.id = 196,
                             .fields = {Box{.caption = "Clear the Run Command History .",
                                            .at = {{hive::CurrentUser,
                                                    "Software\\Microsoft\\Windows\\CurrentVersion\\"
                                                    "Explorer\\RunMRU",
                                                    "", CreateTail(1)}},
                                            .on = DeleteKey(),
                                            .off = CreateKey()}},
                             .note = kLowerRestartNote});
    // The classic menu reads "Yes" in any letter case.
    Register(table,
             Declared{.id = 197,
                      .fields = {Box{.caption = "Enable Start Menu Scrolling (Classic mode).",
                                     .at = {kAdvanced.Named("StartMenuScrollPrograms")},
                                     .on = Text("Yes"),
                                     .off = Text("No"),
                                     .match = Match::IgnoreCase},
                                 Box{.caption = "Enable Start Menu Scrolling (Ordinary mode).",
                                     .at = {kAdvanced.Named("Start_ScrollPrograms")},
                                     .on = Dword(1),
                                     .off = Dword(0)}},
                      .gate = gate::Win98MeWin2000Xp,
                      .note = kLowerRestartNote});
    Register(table, Declared{.id = 198,
                             .fields = {Box{.caption = "Highlight Newly Installed Programs .",
                                            .at = {kAdvanced.Named("Start_NotifyNewApps")},
                                            .on = Dword(1),
                                            .off = Dword(0)}},
                             .gate = gate::XpOnly,
                             .note = kEnhancedMenuNote});
    Register(table, Dual(199, "Remove \"All Programs\" Button from the Start Menu (Current User).",
                         "Remove \"All Programs\" Button from the Start Menu (All Users).",
                         kPolicies.Named("NoStartMenuMorePrograms"), kEnhancedMenuNote));
    Register(table, Dual(200, "Remove Frequent Programs List from the Start Menu (Current User).",
                         "Remove Frequent Programs List from the Start Menu (All Users).",
                         kPolicies.Named("NoStartMenuMFUprogramsList"), kEnhancedMenuNote));
    // The same value the Desktop's My Computer tweak sets; NonEnum is made below Policies.
    Register(table, Dual(201, "Remove My Computer from the Desktop and Start Menu (Current User).",
                         "Remove My Computer from the Desktop and Start Menu (All Users).",
                         {hive::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\NonEnum",
                          "{20D04FE0-3AEA-1069-A2D8-08002B30309D}", CreateTail(1)},
                         kLowerRestartNote, gate::Win2000MeXp));
    Register(table, Dual(202, "Remove Pinned Programs List from the Start Menu (Current User).",
                         "Remove Pinned Programs List from the Start Menu (All Users).",
                         kPolicies.Named("NoStartMenuPinnedList"), kEnhancedMenuNote));
    Register(table,
             Dual(203, "Remove Set Program Access and Defaults from Start Menu (Current User).",
                  "Remove Set Program Access and Defaults from Start Menu (All Users).",
                  kPolicies.Named("NoSMConfigurePrograms"), kLowerRestartNote));
    Register(table, Dual(205, "Remove Undock Computer from Start Menu (Current User).",
                         "Remove Undock Computer from Start Menu (All Users).",
                         kPolicies.Named("NoStartMenuEjectPC"), kLowerRestartNote));
    Register(table, Dual(206, "Remove Username from the Start Menu (Current User).",
                         "Remove Username from the Start Menu (All Users).",
                         kPolicies.Named("NoUserNameInStartMenu"), kEnhancedMenuNote));
    Register(table, Dual(207, "Show Favorites on the Start Menu (Current User).",
                         "Show Favorites on the Start Menu (All Users).",
                         kAdvanced.Named("StartMenuFavorites"), kLogOffNote));
    table.Register(208, ShowFrequentPrograms, ApplyFrequentPrograms);
    table.Register(209, ShowSorting, ApplySorting);
    // Without a choice a combo leaves its value as it is.
    Register(table,
             Declared{.id = 210,
                      .page = PageId::SixComboPage,
                      .fields = {Folder(ctl::Combo1, "Control Panel:", "Start_ShowControlPanel"),
                                 Folder(ctl::Combo2, "My Computer:", "Start_ShowMyComputer"),
                                 Folder(ctl::Combo3, "My Documents:", "Start_ShowMyDocs"),
                                 Folder(ctl::Combo4, "My Music:", "Start_ShowMyMusic"),
                                 Folder(ctl::Combo5, "My Pictures:", "Start_ShowMyPics"),
                                 Folder(ctl::Combo6, "Network Connections:", "Start_ShowNetConn")},
                      .gate = gate::XpOnly,
                      .note = kEnhancedMenuNote});
}

}  // namespace tallowick
