// The "Fonts and Icons" group: bitmap thumbnails, the Recycle Bin icons, desktop icon
// size and colour depth, font smoothing and icon-title wrapping. Every key is opened,
// never created.
//
// Font smoothing (66) is written by hand: which of its choices may be stored depends on
// the running Windows family.
#include <string>
#include <utility>

#include "engine/declarations.h"
#include "engine/os_gate.h"
#include "engine/registry_conventions.h"
#include "model/language.h"
#include "platform/page_layouts.h"
#include "tweaks/appearance/appearance.h"

namespace tallowick {

namespace {

constexpr Target kMetrics{hive::CurrentUser, kWindowMetricsKey, ""};
constexpr Target kFontSmoothing{hive::CurrentUser, kDesktopKey, "FontSmoothing"};

// --- 66: font smoothing ---------------------------------------------------------------

constexpr TweakId kFontSmoothingTweak = 66;

// Item n stores the text "n"; the 95 family and the NT family each have their own "on".
const char* const kSmoothingChoices[] = {
    "Disable Font Smoothing",
    "Enable Font Smoothing on Windows 95/98/Me",
    "Enable Font Smoothing on Windows NT/2000/XP",
};
constexpr int kSmoothingChoiceCount = 3;

void ShowFontSmoothing(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1});
    ctx.pages.SetText(page, ctl::Label1, "Font Smoothing:");
    ctx.pages.ComboReset(page, ctl::Combo1);
    for (const char* choice : kSmoothingChoices)
        ctx.pages.ComboAddString(page, ctl::Combo1, choice);
    ctx.pages.ComboSetCurSel(page, ctl::Combo1, -1);
    const auto stored =
        ReadText(ctx.registry, kFontSmoothing.hive, kFontSmoothing.key, kFontSmoothing.value);
    for (int i = 0; stored && i < kSmoothingChoiceCount; ++i) {
        if (*stored == FormatInt(i))
            ctx.pages.ComboSetCurSel(page, ctl::Combo1, i);
    }
}

// The date is recorded before the choice is checked against the running version.
void ApplyFontSmoothing(TweakContext& ctx) {
    ctx.RecordDate();
    const int index = ctx.pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::Combo1);
    const OsVersionInfo os(ctx.host);
    if (index == 1 && !(os.IsWin95() || os.IsWin98() || os.IsWinMe())) {
        ShowAlert(ctx, kStringChooseFontSmoothingNt);
        return;
    }
    if (index < 0 || index >= kSmoothingChoiceCount ||
        (index == 2 && !(os.IsWinNT4() || os.IsWin2000() || os.IsWinXP()))) {
        ShowAlert(ctx, kStringChooseFontSmoothing9x);
        return;
    }
    StoreData(ctx, kFontSmoothing, Text(FormatInt(index)), false);
}

}  // namespace

void RegisterFontsAndIcons(HandlerTable& table) {
    // Explorer draws a bitmap's own picture as its icon when the icon is "%1", and the
    // picture viewer's icon otherwise.
    Register(table,
             Declared{.id = 61,
                      .fields = {Box{.caption = "Show Bitmap Files with a Thumbnail of Their "
                                                "Picture as Their Icon.",
                                     .at = {{hive::ClassesRoot, "Paint.Picture\\DefaultIcon", ""}},
                                     .on = Text("%1"),
                                     .off = Text("shimgvw.dll,1")}}});
    constexpr Target kRecycleBinIcon{hive::CurrentUser,
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID"
                                     "\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
                                     ""};
    Declared recycleBin{.id = 62, .page = PageId::PathEditPage, .browse = BrowseKind::IconFile};
    for (const auto& [label, value] :
         {std::pair{"Recycle Bin Icon:", ""}, std::pair{"Empty Recycle Bin Icon:", "Empty"},
          std::pair{"Full Recycle Bin Icon:", "Full"}}) {
        recycleBin.fields.push_back(
            EditRow{.label = label, .at = {kRecycleBinIcon.Named(value)}, .systemRoot = true});
    }
    Register(table, recycleBin);
    Register(table, Declared{.id = 63,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Change the Size of Desktop Icons:",
                                                .at = {kMetrics.Named("Shell Icon Size")},
                                                .empty = kSkipEmpty,
                                                .browse = false}}});
    // FontSmoothingType is the item's index: 1 standard, 2 ClearType. No choice leaves it.
    Register(
        table,
        Declared{.id = 64,
                 .page = PageId::ComboCheckPage,
                 .fields = {Choice{.label = "Font Smoothing Mode:",
                                   .items = IndexItems({"Default", "Standard", "ClearType"}),
                                   .at = {{hive::CurrentUser, kDesktopKey, "FontSmoothingType"}}}},
                 .gate = gate::XpOnly});
    // Any depth but the three lower ones is taken as the highest.
    Register(table, Declared{.id = 65,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "High Color Icons :",
                                               .items = {{"Low(16 colors)", Text("4")},
                                                         {"Normal(256 colors)", Text("8")},
                                                         {"Medium(64k colors)", Text("16")},
                                                         {"High(16.7M colors)", Text("24")}},
                                               .at = {kMetrics.Named("Shell Icon BPP")},
                                               .none = Text("24"),
                                               .preselect = 0,
                                               .otherwise = 3}}});
    table.Register(kFontSmoothingTweak, ShowFontSmoothing, ApplyFontSmoothing);
    Register(table, Declared{.id = 67,
                             .fields = {Box{.caption = "The Icon Titles should be Word Wrapped "
                                                       "over Multiple Lines.",
                                            .at = {kMetrics.Named("IconTitleWrap")},
                                            .on = Text("1"),
                                            .off = Text("0")}}});
}

}  // namespace tallowick
