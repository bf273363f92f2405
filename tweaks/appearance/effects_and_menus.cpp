// The "Effects and Menus" group: menu alignment and delay, window animation and dragging,
// the caption buttons' tooltips and personalised menus. Windows keeps most of them as
// short texts under Control Panel\Desktop; every key is opened, never created.
//
// The tooltips (58) are written by hand: they are one bit of a binary mask that the
// default user's hive keeps too.
#include <cstdint>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/appearance/appearance.h"

namespace tallowick {

namespace {

constexpr Target kDesktop{hive::CurrentUser, kDesktopKey, ""};

// A checkbox stored as the text "1" or "0"; only exactly "1" shows it ticked.
Declared TextCheck(TweakId id, const char* caption, Target at, const char* note) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Text("1"), .off = Text("0")}},
        .note = note};
}

// --- 58: the tooltips of the Minimize, Maximize and Close buttons -------------------

constexpr TweakId kTooltipsTweak = 58;
constexpr const char* kMaskValue = "UserPreferencesMask";
constexpr const char* kDefaultUserDesktop = ".DEFAULT\\Control Panel\\Desktop";
// Bit 7 of the first byte is hot tracking; the caption buttons show their tooltips with it.
constexpr std::uint8_t kHotTrackingBit = 0x80;
// Windows XP's own mask, for a hive that has none: the other effects keep their defaults.
const std::vector<std::uint8_t> kDefaultMask = {0x9E, 0x3E, 0x07, 0x80, 0x12, 0x00, 0x00, 0x00};

void ShowTooltips(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck});
    ctx.pages.SetText(page, ctl::MainCheck, "Remove the Minimize, Maximize and Close Tooltips.");
    ctx.pages.SetCheck(page, ctl::MainCheck, false);
    const auto mask = ReadRegValue(ctx.registry, hive::CurrentUser, kDesktopKey, kMaskValue);
    if (mask && !mask->data.empty())
        ctx.pages.SetCheck(page, ctl::MainCheck, !(mask->data[0] & kHotTrackingBit));
}

// Changes only the hot-tracking bit of one hive's mask, keeping every other byte as it
// is, however long the mask. A hive without the key, or whose mask cannot be read, is
// left alone.
void SetHotTracking(Registry& registry, RegKey hiveKey, const char* path, bool removed) {
    KeyHandle connected(registry);
    KeyHandle key(registry);
    if (registry.Connect(hiveKey, connected.out()) != err::Success ||
        registry.OpenKey(connected.get(), path, access::AllAccess, key.out()) != err::Success) {
        return;
    }
    RegValue mask;
    const long rc = QueryValueWhole(registry, key.get(), kMaskValue, &mask);
    if (rc == err::FileNotFound || (rc == err::Success && mask.data.empty())) {
        mask.data = kDefaultMask;
    } else if (rc != err::Success) {
        return;
    }
    if (removed) {
        mask.data[0] = static_cast<std::uint8_t>(mask.data[0] & ~kHotTrackingBit);
    } else {
        mask.data[0] = static_cast<std::uint8_t>(mask.data[0] | kHotTrackingBit);
    }
    registry.SetValue(key.get(), kMaskValue, regtype::Binary, mask.data.data(),
                      static_cast<std::uint32_t>(mask.data.size()));
}

void ApplyTooltips(TweakContext& ctx) {
    ctx.RecordDate();
    const bool removed = ctx.pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck);
    SetHotTracking(ctx.registry, hive::CurrentUser, kDesktopKey, removed);
    // The default user's copy serves the logon screen and new accounts.
    SetHotTracking(ctx.registry, hive::Users, kDefaultUserDesktop, removed);
}

}  // namespace

void RegisterEffectsAndMenus(HandlerTable& table) {
    // Anything but "1" is the left alignment Windows uses by default.
    Register(table, Declared{.id = 53,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Change the Alignment of Drop-Down Menus:",
                                               .items = {{"Left Alignment", Text("0")},
                                                         {"Right Alignment", Text("1")}},
                                               .at = {kDesktop.Named("MenuDropAlignment")},
                                               .none = Text("0"),
                                               .preselect = 0,
                                               .otherwise = 0}},
                             .note = kRestartOrLogoffNote});
    // Without a value Windows waits 400 ms, so that is what the page offers; a delay no
    // item names shows none.
    Register(table, Declared{.id = 54,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Menu Show Delay:",
                                               .items = {{"0 ms (no delay)", Text("0")},
                                                         {"200 ms", Text("200")},
                                                         {"400 ms", Text("400")},
                                                         {"800 ms", Text("800")},
                                                         {"999 ms", Text("999")}},
                                               .at = {kDesktop.Named("MenuShowDelay")},
                                               .none = Text("0"),
                                               .preselect = 2}}});
    Register(table,
             TextCheck(56, "Show Window Animation.",
                       {hive::CurrentUser, kWindowMetricsKey, "MinAnimate"}, kRestartOrLogOffNote));
    Register(table, TextCheck(57, "Show Window Contents While Dragging.",
                              kDesktop.Named("DragFullWindows"), kRestartNote));
    table.Register(kTooltipsTweak, ShowTooltips, ApplyTooltips);
    // Explorer reads "Yes" and "No" in any letter case; without a value menus are
    // personalised.
    Register(table, Declared{.id = 59,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{
                                 .label = "Use Personalized Menus:",
                                 .items = {{"No", Text("No")}, {"Yes", Text("Yes")}},
                                 .at = {{hive::CurrentUser, kExplorerAdvancedKey, "IntelliMenus"}},
                                 .none = Text("No"),
                                 .preselect = 1,
                                 .match = Match::IgnoreCase}},
                             .gate = gate::Win2000MeXp});
}

}  // namespace tallowick
