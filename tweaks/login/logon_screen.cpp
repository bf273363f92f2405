// The logon screen: its screen saver, background colour and wallpaper, all kept with the
// default user's settings, which the logon screen uses.
//
// Written by hand: the screen saver (159), whose box switches its edits and which stores
// a saver in the system folder by its file name; the colour (161), kept by Winlogon as a
// text and also set for the default user, which shows a stored colour no name has; the
// wallpaper (162), whose tiling and pattern are written whatever the picture.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/declarations.h"
#include "engine/named_colors.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/login/login.h"

namespace tallowick {

using namespace login;

namespace {

// --- 159: the logon screen saver -----------------------------------------------------

// Text if the value is there, else its removal.
Data TextOrDelete(const std::string& text) {
    return text.empty() ? DeleteValue() : Text(text);
}

std::string Without(std::string text, const std::string& part) {
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
    return text;
}

void ShowScreenSaver(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page,
                  {ctl::MainCheck, ctl::Label1, ctl::Edit1, ctl::Browse1, ctl::Label2, ctl::Edit2},
                  nullptr);
    ctx.pages.SetText(page, ctl::MainCheck, "Enable Login Screen Saver.");
    ctx.pages.SetText(page, ctl::Label1, "Screen Saver(.exe):");
    ctx.pages.SetText(page, ctl::Label2, "Screen Saver TimeOut:");
    const Target& at = kDefaultDesktop;
    const auto active = ReadText(ctx.registry, at.hive, at.key, "ScreenSaveActive");
    const bool on = active && AtoiLikeC(*active) == 1;
    ctx.pages.SetCheck(page, ctl::MainCheck, on);
    // Both edits hold what is stored even while the box is clear, so switching the saver
    // off keeps its file and time-out.
    ctx.pages.SetText(page, ctl::Edit1,
                      ReadText(ctx.registry, at.hive, at.key, "SCRNSAVE.EXE").value_or(""));
    ctx.pages.SetText(page, ctl::Edit2,
                      ReadText(ctx.registry, at.hive, at.key, "ScreenSaveTimeOut").value_or(""));
    for (int control : {ctl::Edit1, ctl::Edit2, ctl::Browse1})
        ctx.pages.EnableControl(page, control, on);
}

void ApplyScreenSaver(TweakContext& ctx) {
    constexpr PageId page = PageId::PathEditPage;
    if (!CheckGate(ctx, gate::NtFamily, Refusal::Leave, page))
        return;
    ctx.RecordDate();
    // Only the default user's settings: the user's own screen saver is not this tweak's.
    const bool on = ctx.pages.IsChecked(page, ctl::MainCheck);
    StoreData(ctx, kDefaultDesktop.Named("ScreenSaveActive"), Text(FormatInt(on ? 1 : 0)), false);
    // A saver in the system folder is found by its file name alone.
    const std::string windows = ctx.host.WindowsDirectory();
    std::string saver = WithoutQuotes(ctx.pages.GetText(page, ctl::Edit1));
    if (!windows.empty()) {
        saver = Without(saver, windows + "\\System32\\");
        saver = Without(saver, windows + "\\system32\\");
    }
    StoreData(ctx, kDefaultDesktop.Named("SCRNSAVE.EXE"), TextOrDelete(saver), false);
    StoreData(ctx, kDefaultDesktop.Named("ScreenSaveTimeOut"),
              TextOrDelete(ctx.pages.GetText(page, ctl::Edit2)), false);
}

// --- 161: the logon screen's background colour ---------------------------------------

constexpr Target kDefaultColours{hive::Users, ".DEFAULT\\Control Panel\\Colors", "Background"};

// Three decimal numbers separated by blanks, each 0 to 255.
std::optional<std::uint32_t> ColourOf(const std::string& text) {
    int red = 0, green = 0, blue = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d %d %d %c", &red, &green, &blue, &rest) != 3)
        return std::nullopt;
    for (int part : {red, green, blue}) {
        if (part < 0 || part > 255)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}

void ShowBackground(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::ColourCombo}, kWindowsNoStopNote);
    ctx.pages.SetText(page, ctl::Label1, "Login Screen Color (RGB):");
    // A fresh fill drops the item a previous showing added for a colour with no name.
    FillColorCombo(ctx.pages, page, ctl::ColourCombo);
    ctx.pages.ComboSetCurSel(page, ctl::ColourCombo, -1);
    const Target background = kWinlogon.Named("Background");
    const auto stored = ReadText(ctx.registry, background.hive, background.key, background.value);
    const auto colour = stored ? ColourOf(*stored) : std::nullopt;
    if (!colour)
        return;
    SelectColor(ctx.pages, page, ctl::ColourCombo, *colour);
    if (ctx.pages.ComboGetCurSel(page, ctl::ColourCombo) >= 0)
        return;
    // A colour no name has is shown by its numbers, so Apply keeps it.
    const int item = ctx.pages.ComboAddString(page, ctl::ColourCombo, ColorToText(*colour));
    if (item < 0)
        return;
    ctx.pages.ComboSetItemData(page, ctl::ColourCombo, item, static_cast<std::intptr_t>(*colour));
    ctx.pages.ComboSetCurSel(page, ctl::ColourCombo, item);
}

void ApplyBackground(TweakContext& ctx) {
    const std::string colour =
        ColorToText(SelectedColor(ctx.pages, PageId::ComboCheckPage, ctl::ColourCombo));
    ctx.RecordDate();
    // The colour only shows where no wallpaper covers it.
    StoreData(ctx, kDefaultDesktop.Named("Wallpaper"), Text("(None)"), false);
    StoreData(ctx, kDefaultColours, Text(colour), false);
    StoreData(ctx, kWinlogon.Named("Background"), Text(colour), false);
}

// --- 162: the logon screen's wallpaper -----------------------------------------------

void ShowWallpaper(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::Label1, ctl::Edit1, ctl::Browse1},
                  kWindowsNoStopNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Tile the Login Screen Wallpaper.");
    ctx.pages.SetText(page, ctl::Label1, "Wallpaper (.bmp):");
    const Target& at = kDefaultDesktop;
    const auto tile = ReadText(ctx.registry, at.hive, at.key, "TileWallpaper");
    ctx.pages.SetCheck(page, ctl::MainCheck, tile && AtoiLikeC(*tile) == 1);
    ctx.pages.SetText(page, ctl::Edit1,
                      ReadText(ctx.registry, at.hive, at.key, "Wallpaper").value_or(""));
}

void ApplyWallpaper(TweakContext& ctx) {
    constexpr PageId page = PageId::PathEditPage;
    ctx.RecordDate();
    const std::string picture = WithoutQuotes(ctx.pages.GetText(page, ctl::Edit1));
    if (!picture.empty())
        StoreData(ctx, kDefaultDesktop.Named("Wallpaper"), Text(picture), false);
    const bool tiled = ctx.pages.IsChecked(page, ctl::MainCheck);
    StoreData(ctx, kDefaultDesktop.Named("TileWallpaper"), Text(FormatInt(tiled ? 1 : 0)), false);
    StoreData(ctx, kDefaultDesktop.Named("Pattern"), Text("(None)"), false);
}

}  // namespace

void RegisterLogonScreen(HandlerTable& table) {
    table.Register(159, TweakHandlers{ShowScreenSaver, ApplyScreenSaver, BrowseKind::File,
                                      Enables{PageId::PathEditPage,
                                              ctl::MainCheck,
                                              {ctl::Edit1, ctl::Edit2, ctl::Browse1}},
                                      nullptr});
    table.Register(161, ShowBackground, ApplyBackground);
    table.Register(162, ShowWallpaper, ApplyWallpaper);
}

}  // namespace tallowick
