// The "Taskbar" group: the notification area, grouping of buttons, balloon tips, the
// taskbar's menus and lock, and the Start button's banner.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/startmenu/startmenu.h"

namespace tallowick {

namespace {

using startmenu::kAdvanced;
using startmenu::kPolicies;

Declared Check(TweakId id, const char* caption, Target at, Data on, Data off, Gate gate) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = {at}, .on = on, .off = off}},
                    .gate = gate,
                    .note = kLowerRestartNote};
}

}  // namespace

void RegisterTaskbar(HandlerTable& table) {
    Register(table, Check(188, "Hide Inactive Tray Icons .",
                          {hive::CurrentUser, startmenu::kExplorerKey, "EnableAutoTray"}, Dword(1),
                          Dword(0), gate::XpOnly));
    // This one names its key with an upper-case first part; the registry does not mind.
    const Target groupSize{hive::CurrentUser,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                           "TaskbarGroupSize"};
    Register(
        table,
        Declared{.id = 189,
                 .page = PageId::PathEditPage,
                 .fields = {EditRow{.label = "Number of buttons before grouping (Current User):",
                                    .at = {groupSize},
                                    .store = Store::Number,
                                    .empty = kDeleteEmpty,
                                    .browse = false},
                            EditRow{.label = "Number of buttons before grouping (All Users):",
                                    .at = {groupSize.Under(hive::LocalMachine)},
                                    .store = Store::Number,
                                    .empty = kDeleteEmpty,
                                    .browse = false}},
                 .gate = gate::XpOnly,
                 .note = kLowerRestartNote});
    Register(table, Check(191, "Disable Balloon Tips .", kAdvanced.Named("EnableBalloonTips"),
                          Dword(0), Dword(1), gate::XpOnly));
    Register(table, Declared{.id = 192,
                             .fields = BothScopes("Disable Taskbar Context Menus (Current User).",
                                                  "Disable Taskbar Context Menus (All Users).",
                                                  kPolicies.Named("NoTrayContextMenu"), Dword(1),
                                                  Dword(0)),
                             .note = kLowerRestartNote});
    Register(table,
             Declared{.id = 193,
                      .fields = BothScopes("Group Similar Taskbar Buttons (Current User).",
                                           "Group Similar Taskbar Buttons (All Users).",
                                           kAdvanced.Named("TaskbarGlomming"), Dword(1), Dword(0)),
                      .gate = gate::XpOnly,
                      .note = kLowerRestartNote});
    // The taskbar may be moved and sized while the value is 1.
    Register(table, Check(194, "Lock the Size and Position of the Taskbar .",
                          kAdvanced.Named("TaskbarSizeMove"), Dword(0), Dword(1), gate::MeXp));
    // Kept as four bytes, as the policy was first defined; this user's only.
    Register(table,
             Declared{.id = 195,
                      .fields = {Box{.caption = "Hide the arrow and\"Click here to start\"caption.",
                                     .at = {kPolicies.Named("NoStartBanner")},
                                     .on = Binary({1, 0, 0, 0}),
                                     .off = DeleteValue()}},
                      .note = kLowerRestartNote});
}

}  // namespace tallowick
