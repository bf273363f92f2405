// The Explorer category: its Search group's tweaks and its own.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterExplorer(HandlerTable& table);

// One per group, called by RegisterExplorer.
void RegisterSearch(HandlerTable& table);
void RegisterExplorerOwn(HandlerTable& table);

// Keys most of these tweaks keep their settings in, under HKEY_CURRENT_USER.
namespace explorer {
inline constexpr const char* kKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr const char* kAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr const char* kPoliciesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const char* kDirectoryUiKey =
    "Software\\Policies\\Microsoft\\Windows\\Directory UI";
}  // namespace explorer

// The notes these pages show; the trailing blanks are part of them.
inline constexpr const char* kRestartBlankNote =
    "Note:\n\tYou may need to restart or log out of Windows for the change to take effect. ";
inline constexpr const char* kWindowsBlankNote =
    "Note:\n\tRestart Windows for the change to take effect. ";
inline constexpr const char* kRefreshNote =
    "Note:\n\tReturn to the desktop and press F5 for the change to take effect. ";

}  // namespace tallowick
