#include "tweaks/root/root.h"

#include "platform/pages.h"

namespace tallowick {

namespace {

constexpr TweakId kDriveHiding = 311;

// The drive page carries its own button; "Apply Changes" stays hidden.
void ShowDriveHiding(TweakContext& ctx, TweakId) {
    ctx.pages.ShowPage(PageId::DriveHidePage, true);
}

}  // namespace

void RegisterRoot(HandlerTable& table) {
    table.Register(kDriveHiding, ShowDriveHiding);
}

}  // namespace tallowick
