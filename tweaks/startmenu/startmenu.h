// The Start Menu and Taskbar category: its Documents and Folders and Taskbar groups and
// its own tweaks.
#pragma once

#include "engine/declarations.h"
#include "engine/tweak_context.h"

namespace tallowick {

void RegisterStartMenu(HandlerTable& table);

// One per group, called by RegisterStartMenu.
void RegisterDocumentsAndFolders(HandlerTable& table);
void RegisterTaskbar(HandlerTable& table);
void RegisterStartMenuOwn(HandlerTable& table);

namespace startmenu {
inline constexpr const char* kExplorerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr const char* kAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr const char* kPoliciesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

inline constexpr Target kAdvanced{hive::CurrentUser, kAdvancedKey, ""};
inline constexpr Target kPolicies{hive::CurrentUser, kPoliciesKey, ""};

// The notes of these pages; unlike most pages', their "you" is in lower case.
inline constexpr const char* kEnhancedMenuNote =
    "Note:\n\tyou may need to restart or log out of Windows for the change to take effect.\n"
    "This only effects the Enhanced Windows XP Start Menu, it will not effect the \"Classic\" "
    "version.";

}  // namespace startmenu

}  // namespace tallowick
