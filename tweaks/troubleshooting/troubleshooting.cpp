#include "tweaks/troubleshooting/troubleshooting.h"

#include "engine/declarations.h"
#include "engine/page_behaviour.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

// Registry Editor remembers its last key, its view and its search options here; a view
// saved off-screen or a key that no longer exists can leave it unusable. Without these
// values it starts as on first use.
constexpr const char* kRegeditApplet =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
const char* const kRegeditState[] = {"FindFlags", "LastKey", "View"};

// A one-shot action, so the box always starts clear; the page has no note.
void ShowRegistryEditorRepair(TweakContext& ctx, TweakId id) {
    ShowTweakPage(ctx, id, PageId::MultiCheckPage, {ctl::MainCheck}, nullptr);
    ctx.pages.SetText(PageId::MultiCheckPage, ctl::MainCheck, "Repair the Registry Editor .");
    ctx.pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, false);
}

// The date goes to whichever node is selected: 28 and 293 keep their own.
void ApplyRegistryEditorRepair(TweakContext& ctx) {
    ctx.RecordDate();
    if (!ctx.pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck))
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

}  // namespace

void RegisterTroubleshooting(HandlerTable& table) {
    // The same repair sits in the Registry Editor group of Accessories.
    for (TweakId id : {TweakId{28}, TweakId{293}})
        table.Register(id, ShowRegistryEditorRepair, ApplyRegistryEditorRepair);
}

}  // namespace tallowick
