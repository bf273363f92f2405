// The Appearance category's own tweaks: Explorer's colours for links and for compressed
// and encrypted files, the wallpaper's position, thumbnails, smooth scrolling, the image
// preview command and the Open and Save dialog's policies.
#include "engine/declarations.h"
#include "model/language.h"
#include "platform/page_layouts.h"
#include "tweaks/appearance/appearance.h"

namespace tallowick {

namespace {

constexpr Target kExplorer{hive::CurrentUser, kExplorerKey, ""};
constexpr Target kDesktop{hive::CurrentUser, kDesktopKey, ""};

// Explorer's colour for compressed or encrypted names, as a 4-byte COLORREF.
Declared ExplorerColour(TweakId id, const char* label, const char* value, Gate gate,
                        const char* note) {
    return Declared{.id = id,
                    .page = PageId::ComboCheckPage,
                    .fields = {Colour{.label = label, .at = {kExplorer.Named(value)}}},
                    .gate = gate,
                    .note = note};
}

// The common dialog's policies apply to whoever logs on when set under HKLM, so both
// hives take the page's boxes; only the policy's own key is made.
constexpr Target kComdlg32{hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Comdlg32", "",
                           CreateTail(1)};
Box DialogPolicy(const char* caption, const char* value) {
    const Target user = kComdlg32.Named(value);
    return Box{.caption = caption,
               .at = {user, user.Under(hive::LocalMachine)},
               .on = Dword(1),
               .off = Dword(0)};
}

}  // namespace

void RegisterAppearanceOwn(HandlerTable& table) {
    // Kept as "red green blue"; the page reads it back so that an unchanged Apply keeps it.
    Register(table, Declared{.id = 68,
                             .page = PageId::ComboCheckPage,
                             .fields = {Colour{.form = Colour::Form::Text,
                                               .label = "Color of Active Links:",
                                               .at = {{hive::CurrentUser, "Control Panel\\Colors",
                                                       "HotTrackingColor"}}}}});
    Register(table, ExplorerColour(69, "Color of Compressed Files and Folders:", "AltColor",
                                   gate::NtFamily, kRestartNote));
    Register(table, ExplorerColour(70, "the Color of Encrypted File or Folder(RGB):",
                                   "AltEncryptionColor", gate::XpOnly, kWindowsNoStopNote));
    // Item n is an offset of n pixels from the screen's left or top edge; an offset no
    // item names, or no choice, leaves the value as it is.
    Register(table, Declared{.id = 71,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.control = ctl::Combo1,
                                               .label = "Horizontal Offset (Pixels):",
                                               .items = NumberItems(0, 500, true),
                                               .at = {kDesktop.Named("Wallpaperoriginx")}},
                                        Choice{.control = ctl::Combo2,
                                               .label = "Vertical Offset (Pixels):",
                                               .items = NumberItems(0, 500, true),
                                               .at = {kDesktop.Named("Wallpaperoriginy")}}},
                             .note = kLogOffNote});
    // The user's settings are shown; both hives are written. A size past the last item
    // shows no choice and is left as it is.
    Register(
        table,
        Declared{
            .id = 72,
            .page = PageId::ComboCheckPage,
            .fields = {Choice{.control = ctl::Combo1,
                              .label = "Thumbnail Size(Pixels):",
                              .items = NumberItems(0, 100),
                              .at = {kExplorer.Named("ThumbnailSize"),
                                     kExplorer.Named("ThumbnailSize").Under(hive::LocalMachine)},
                              .preselect = 0},
                       Choice{.control = ctl::Combo2,
                              .label = "Thumbnail Quality(Percentage):",
                              .items = NumberItems(0, 100),
                              .at = {kExplorer.Named("ThumbnailQuality"),
                                     kExplorer.Named("ThumbnailQuality").Under(hive::LocalMachine)},
                              .preselect = 0}},
            .gate = gate::XpOnly,
            .note = kWindowsNoStopNote});
    // Windows scrolls smoothly unless told otherwise.
    Register(table, Declared{.id = 73,
                             .fields = {Box{.caption = "Use Smooth Scrolling.",
                                            .at = {kDesktop.Named("SmoothScroll")},
                                            .on = Dword(1),
                                            .off = Dword(0),
                                            .missingIsOn = true}},
                             .note = kLogOffNote});
    // The preview command is the context-menu handler's default value; without it the
    // handler is not offered.
    Register(table, Declared{.id = 75,
                             .fields = {Box{.caption = "Disable the Image Preview Command.",
                                            .at = {{hive::ClassesRoot,
                                                    "SystemFileAssociations\\image\\ShellEx\\"
                                                    "ContextMenuHandlers\\ShellImagePreview",
                                                    ""}},
                                            .on = DeleteValue(),
                                            .off = Text("{e84fda7c-1d6a-45f6-b725-cb260c236066}"),
                                            .match = Match::IgnoreCase}},
                             .gate = gate::XpOnly});
    Register(
        table,
        Declared{.id = 76,
                 .fields = {DialogPolicy("Hides the back button.", "NoBackButton"),
                            DialogPolicy("Hides the most-recently-used (MRU) list.", "NoFileMRU"),
                            DialogPolicy("Hides the places bar.", "NoPlacesBar")},
                 .gate = gate::Win2000MeXp});
    // Passes on NT 4.0 and 2000 as well, yet its alert names XP only.
    Register(
        table,
        Declared{.id = 77,
                 .fields = {Box{.caption = "Show Compressed Files In Alternate Color.",
                                .at = {{hive::CurrentUser, kExplorerAdvancedKey, "ShowCompColor"}},
                                .on = Dword(1),
                                .off = Dword(0)}},
                 .gate = WithAlert(gate::NtFamily, kStringOnlyXp),
                 .note = kRestartOrLogOffNote});
}

}  // namespace tallowick
