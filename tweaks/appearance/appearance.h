// The Appearance category: its groups' tweaks and its own.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterAppearance(HandlerTable& table);

// One per group, called by RegisterAppearance.
void RegisterEffectsAndMenus(HandlerTable& table);
void RegisterFontsAndIcons(HandlerTable& table);
void RegisterAppearanceOwn(HandlerTable& table);

// Desktop settings most of these tweaks keep, under HKEY_CURRENT_USER.
inline constexpr const char* kDesktopKey = "Control Panel\\Desktop";
inline constexpr const char* kWindowMetricsKey = "Control Panel\\Desktop\\WindowMetrics";
inline constexpr const char* kExplorerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr const char* kExplorerAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// The notes these pages show besides the usual restart note.
inline constexpr const char* kRestartOrLogoffNote =
    "Note:\n\tRestart or logoff Windows for the changes to take effect.";
inline constexpr const char* kRestartOrLogOffNote =
    "Note:\n\tRestart or log off Windows for the change to take effect.";
inline constexpr const char* kLogOffNote =
    "Note:\n\tLog off or restart Windows for the change to take effect.";

}  // namespace tallowick
