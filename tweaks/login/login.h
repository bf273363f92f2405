// The Login and Authentication category: the logon screen, Winlogon's options, the legal
// notice and the cached and automatic logons.
#pragma once

#include "engine/declarations.h"
#include "engine/tweak_context.h"

namespace tallowick {

void RegisterLogin(HandlerTable& table);

// Called by RegisterLogin: the logon screen's saver, colour and wallpaper; the tweaks
// whose registry depends on the Windows version; the automatic logon count.
void RegisterLogonScreen(HandlerTable& table);
void RegisterByVersion(HandlerTable& table);
void RegisterAutomaticLogons(HandlerTable& table);

namespace login {

// Winlogon's settings. Never made: a machine without it is not an NT one.
inline constexpr Target kWinlogon{hive::LocalMachine,
                                  "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", ""};
// The desktop the logon screen shows, that of the default user.
inline constexpr Target kDefaultDesktop{hive::Users, ".DEFAULT\\Control Panel\\Desktop", ""};

// The notes these pages show.
inline constexpr const char* kLegalNote =
    "Note:\n\tRestart Windows, and the next time you boot up you should be presented with the "
    "dialog box before logging on.";
inline constexpr const char* kUnlockNote =
    "Note:\n\tyou may need to restart or log out of Windows for the change to take effect.\nFor "
    "Windows XP this behavior only happens when you have Fast User Switching disabled.";

// The browse button gives a file in double quotes, which Windows would not load from
// these values: one surrounding pair is taken off.
std::string WithoutQuotes(std::string text);

}  // namespace login

}  // namespace tallowick
