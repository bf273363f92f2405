// The Login and Authentication tweaks of common shapes, as declarations.
#include "tweaks/login/login.h"

#include <optional>

#include "engine/declarations.h"
#include "platform/page_layouts.h"

namespace tallowick {

using namespace login;

namespace {

Declared Check(TweakId id, const char* caption, Target at, Data on, Data off, const Gate& gate) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = {at}, .on = on, .off = off}},
                    .gate = gate,
                    .note = kLowerRestartNote};
}

}  // namespace

std::string login::WithoutQuotes(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

void RegisterLogin(HandlerTable& table) {
    Register(table,
             Check(156, "Enable Fast User Switching .", kWinlogon.Named("AllowMultipleTSSessions"),
                   Dword(1), Dword(0), gate::XpOnly));
    RegisterLogonScreen(table);
    // LogonType 1 is the Welcome screen, 0 the classic dialog.
    Register(table, Declared{.id = 160,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Login Window:",
                                               .items = IndexItems(
                                                   {"Classic Login Dialog Box", "Welcome Screen"}),
                                               .at = {kWinlogon.Named("LogonType")}}},
                             .gate = gate::XpOnly,
                             .note = kLowerRestartNote});
    // An empty title leaves Windows' own.
    Register(table, Declared{.id = 163,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Dialog Title:",
                                                .at = {kWinlogon.Named("Welcome")},
                                                .empty = kSkipEmpty,
                                                .browse = false}},
                             .gate = gate::NtFamily,
                             .note = kLowerRestartNote});
    // Messenger counts its reminders in these four bytes and stops at ten.
    Register(
        table,
        Check(164, "Disable Passport Balloon Reminder.",
              {hive::CurrentUser, "Software\\Microsoft\\MessengerService", "PassportBalloon"},
              Binary({0x0A, 0x00, 0x00, 0x00}), Binary({0x01, 0x00, 0x00, 0x00}), gate::XpOnly));
    Register(table, Check(165, "Disable the Auto Login Shift Override Feature .",
                          kWinlogon.Named("IgnoreShiftOverride"), Text("1"), DeleteValue(),
                          gate::NtFamily));
    // The Welcome screen shows unread mail of the last given days; 3 is Windows' default.
    Register(table,
             Check(166, "Disable the Unread Mail Message on the Welcome Screen .",
                   {hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail",
                    "MessageExpiryDays", CreateTail(1)},
                   Dword(0), Dword(3), gate::XpOnly));
    Register(table, Check(167, "Enable Shutdown from Authentication Dialog Box .",
                          {hive::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\system",
                           "ShutdownWithoutLogon"},
                          Dword(1), Dword(0), gate::NtFamily));
    RegisterByVersion(table);
    RegisterAutomaticLogons(table);
    // Winlogon keeps the count as a text and reads it as a number.
    Register(table, Declared{.id = 173,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Number of Cached Logins\n(0=disabled, "
                                                        "10=default):",
                                               .items = NumberItems(0, 50, true),
                                               .at = {kWinlogon.Named("CachedLogonsCount")},
                                               .match = Match::Number}},
                             .gate = gate::NtFamily,
                             .note = kLowerRestartNote});
    Register(table, Check(175, "Show Options on Login Dialog Box .",
                          kWinlogon.Named("ShowLogonOptions"), Dword(1), Dword(0), gate::NtFamily));
    Register(table, Declared{.id = 176,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{.label = "Authentication mode:",
                                               .items = IndexItems({"Default Authentication",
                                                                    "Online Authentication"}),
                                               .at = {kWinlogon.Named("ForceUnlockLogon")},
                                               .preselect = 0}},
                             .gate = gate::NtFamily,
                             .note = kUnlockNote});
}

}  // namespace tallowick
