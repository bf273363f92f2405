// The "Repair" group: one-checkbox actions that put back what Windows or another program
// has broken. Most act only when their box is ticked, and every one records its date
// whatever the box says. None has a version gate.
#include <string>

#include "engine/declarations.h"
#include "engine/os_gate.h"
#include "engine/registry_conventions.h"
#include "model/language.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "tweaks/troubleshooting/troubleshooting.h"

namespace tallowick {

namespace {

constexpr const char* kTaskbarNote =
    "Note:\n\tyou must Close any open desktop and taskbar applications.\n\tRestart or log out "
    "of windows to applay changes ..";

// The shell's New menu extension, registered as the desktop background's "New" handler.
// Windows reads class ids in any letter case; this is the case it writes.
constexpr const char* kNewMenuHandler = "{D969A300-E7FF-11d0-A93B-00A0C90F2719}";

// Registry Editor remembers its last key, its view and its search options here; a view
// saved off-screen or a key that no longer exists can leave it unusable. Without these
// values it starts as on first use.
constexpr const char* kRegeditApplet =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
const char* const kRegeditState[] = {"FindFlags", "LastKey", "View"};

constexpr Target kOfficeShortcutBar{hive::CurrentUser, "Software\\Microsoft\\Office\\10.0",
                                    "Shortcut Bar"};
// Where Explorer saves the taskbar's edge and size: 95 and 98 use the first layout.
constexpr Target kStuckRects{
    hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StuckRects", ""};
constexpr Target kStuckRects2{
    hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StuckRects2", ""};

constexpr PageId kPage = PageId::MultiCheckPage;

// A repair's page: its one box, clear, under the description.
void ShowRepair(TweakContext& ctx, TweakId id, const char* caption, const char* note) {
    ShowTweakPage(ctx, id, kPage, {ctl::MainCheck}, note);
    ctx.pages.SetText(kPage, ctl::MainCheck, caption);
    ctx.pages.SetCheck(kPage, ctl::MainCheck, false);
}

// Records the date, then says whether the box asks for the repair.
bool RepairAsked(TweakContext& ctx) {
    ctx.RecordDate();
    return ctx.pages.IsChecked(kPage, ctl::MainCheck);
}

// The date goes to whichever node is selected: 28 and 293 keep their own.
void ApplyRegistryEditorRepair(TweakContext& ctx) {
    if (!RepairAsked(ctx))
        return;
    KeyHandle user(ctx.registry);
    if (ctx.registry.Connect(hive::CurrentUser, user.out()) != err::Success)
        return;
    KeyHandle applet(ctx.registry);
    if (ctx.registry.OpenKey(user.get(), kRegeditApplet, access::AllAccess, applet.out()) !=
        err::Success) {
        return;
    }
    // A value already gone is nothing to repair.
    for (const char* value : kRegeditState)
        ctx.registry.DeleteValue(applet.get(), value);
}

// Explorer rebuilds the cache when the file is gone. A file that is already gone is
// nothing to repair; one that stays (in use, or protected) is reported.
void ApplyIconCacheRepair(TweakContext& ctx) {
    if (!RepairAsked(ctx))
        return;
    std::string path = ctx.host.WindowsDirectory();
    // Without the Windows folder the name would point at the current drive's root.
    if (path.empty())
        return;
    if (path.back() != '\\')
        path += '\\';
    path += "ShellIconCache";
    if (!ctx.host.RemoveFile(path) && ctx.host.FileExists(path)) {
        ctx.host.ShowMessageBox(
            0, FormatKeyFailure(ctx.language.LocalisedString(kStringFileDeleteFailed), path),
            ctx.language.LocalisedString(kStringAlertCaption), mb::IconHand);
    }
}

// The box shows the repaired state, the value gone. A clear box is not a state Apply can
// write: it ticks the box, so that the next Apply repairs.
void ShowOfficeBarRepair(TweakContext& ctx, TweakId id) {
    ShowRepair(ctx, id, "Repair the Office Shortcut Bar .", kLowerRestartNote);
    ctx.pages.SetCheck(kPage, ctl::MainCheck, Matches(ctx, kOfficeShortcutBar, DeleteValue()));
}

void ApplyOfficeBarRepair(TweakContext& ctx) {
    if (RepairAsked(ctx))
        StoreData(ctx, kOfficeShortcutBar, DeleteValue(), false);
    else
        ctx.pages.SetCheck(kPage, ctl::MainCheck, true);
}

// Explorer saves the taskbar again when it ends; deleting the key puts the bar back at
// the bottom of the screen at its usual size.
void ApplyTaskbarRepair(TweakContext& ctx) {
    if (!RepairAsked(ctx))
        return;
    const OsVersionInfo os(ctx.host);
    StoreData(ctx, os.IsWin95() || os.IsWin98() ? kStuckRects : kStuckRects2, DeleteKey(), false);
}

}  // namespace

void RegisterRepair(HandlerTable& table) {
    // A missing or wrong handler takes the New command off the desktop's and folders'
    // context menu. A clear box removes the handler's key, which fails, and is reported,
    // while it has subkeys.
    Register(table,
             Declared{.id = 289,
                      .fields = {Box{.caption = "Add the New command to the right-click context "
                                                "menu  in Windows Explorer .",
                                     .at = {{hive::ClassesRoot,
                                             "Directory\\Background\\shellex\\ContextMenuHandlers"
                                             "\\New",
                                             "", CreateTail(1)}},
                                     .on = Text(kNewMenuHandler),
                                     .off = DeleteKey(),
                                     .match = Match::IgnoreCase}},
                      .note = kLowerRestartNote});
    // Internet Explorer prints pages without their style sheets unless this says "yes".
    Register(table, Declared{.id = 290,
                             .fields = {Box{.caption = "Repair internet explorer printing errors .",
                                            .at = {{hive::CurrentUser,
                                                    "Software\\Microsoft\\Internet Explorer\\Main",
                                                    "Use StyleSheets"}},
                                            .on = Text("Yes"),
                                            .off = DeleteValue(),
                                            .match = Match::IgnoreCase}},
                             .note = kLowerRestartNote});
    table.Register(
        291,
        [](TweakContext& ctx, TweakId id) {
            ShowRepair(ctx, id, "Repair the Icon Cache .", nullptr);
        },
        ApplyIconCacheRepair);
    table.Register(292, ShowOfficeBarRepair, ApplyOfficeBarRepair);
    // The same repair sits in the Registry Editor group of Accessories.
    for (TweakId id : {TweakId{28}, TweakId{293}}) {
        table.Register(
            id,
            [](TweakContext& ctx, TweakId shown) {
                ShowRepair(ctx, shown, "Repair the Registry Editor .", nullptr);
            },
            ApplyRegistryEditorRepair);
    }
    table.Register(
        294,
        [](TweakContext& ctx, TweakId id) {
            ShowRepair(ctx, id, "Repair the Taskbar .", kTaskbarNote);
        },
        ApplyTaskbarRepair);
}

}  // namespace tallowick
