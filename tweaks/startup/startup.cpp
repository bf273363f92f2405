// The Start up and Shutdown category's tweaks: undocking, hung applications, the crash
// reboot, the page file, startup programs, modem connections, saved settings, Last Known
// Good, the shutdown tracker, the prefetcher, power-off and Autoexec.bat.
#include "tweaks/startup/startup.h"

#include "engine/declarations.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

using startup::kRestartOnlyNote;

constexpr const char* kWinlogonKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr Target kWinlogon{hive::LocalMachine, kWinlogonKey, ""};
// The current user's desktop settings and the default profile's, which new users start with.
constexpr Target kDesktop{hive::CurrentUser, "Control Panel\\Desktop", ""};
constexpr Target kDefaultDesktop{hive::Users, ".DEFAULT\\Control Panel\\Desktop", ""};

Declared Check(TweakId id, const char* caption, Target at, Data on, Data off,
               std::optional<Gate> gate, const char* note) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = {at}, .on = on, .off = off}},
                    .gate = gate,
                    .note = note};
}

// Windows waits this long for a program to end before it ends it, or offers to.
std::vector<Item> WaitTimes() {
    return {{"1 second", Text("1000")},    {"2 seconds", Text("2000")},
            {"5 seconds", Text("5000")},   {"10 seconds", Text("10000")},
            {"20 seconds", Text("20000")}, {"30 seconds", Text("30000")},
            {"1 minute", Text("60000")},   {"5 minutes", Text("300000")}};
}

}  // namespace

void RegisterStartup(HandlerTable& table) {
    // Kept as four bytes, as the policy was first defined.
    Register(table, Declared{.id = 212,
                             .fields = BothScopes(
                                 "Enable Portables to Undock Before Login (Current User).",
                                 "Enable Portables to Undock Before Login (All Users).",
                                 {hive::CurrentUser,
                                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                                  "UndockWithoutLogon"},
                                 Binary({1, 0, 0, 0}), Binary({0, 0, 0, 0})),
                             .gate = gate::XpOnly,
                             .note = kLowerRestartNote});
    // A wait Windows does not offer here is written back as its default, 20 seconds.
    Register(table,
             Declared{.id = 213,
                      .page = PageId::ComboCheckPage,
                      .fields = {Box{.caption = "Automatically End Hung Applications .",
                                     .at = {kDesktop.Named("AutoEndTasks"),
                                            kDefaultDesktop.Named("AutoEndTasks")},
                                     .on = Text("1"),
                                     .off = Text("0")},
                                 Choice{.label = "Wait before ending:",
                                        .items = WaitTimes(),
                                        .at = {kDesktop.Named("WaitToKillAppTimeout"),
                                               kDefaultDesktop.Named("WaitToKillAppTimeout")},
                                        .none = Text("20000")}},
                      .note = kLowerRestartNote});
    Register(table, Check(214, "Automatically Reboot on the 'Blue Screen of Death' .",
                          {hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\CrashControl",
                           "AutoReboot"},
                          Dword(1), Dword(0), gate::NtFamily, kWindowsNote));
    Register(table, Check(215, "Clear The Page File at System Shutdown .",
                          {hive::LocalMachine,
                           "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                           "ClearPageFileAtShutdown"},
                          Dword(1), Dword(0), gate::NtFamily, kWindowsNote));
    // The value's name is misspelt in Windows itself.
    Register(table,
             Check(216, "Disable Ability to Skip Startup Programs .",
                   {hive::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                    "IgnoreShiftOveride"},
                   Dword(1), Dword(0), gate::NtFamily, kLowerRestartNote));
    Register(table, Check(217, "Disable Automatic Modem Connections at Startup .",
                          {hive::LocalMachine, "SOFTWARE\\Microsoft\\Ole", "EnableRemoteConnect"},
                          Text("N"), Text("Y"), std::nullopt, kLowerRestartNote));
    Register(table,
             Declared{.id = 218,
                      .fields = BothScopes(
                          "Disable Save Settings at Exit (Current User).",
                          "Disable Save Settings at Exit (All Users).",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                           "NoSaveSettings"},
                          Dword(1), Dword(0)),
                      .note = kRestartOnlyNote});
    // Windows takes the configuration as good at logon unless this is "0".
    Register(table, Check(219, "Disable the Creation of Last Known Good .",
                          kWinlogon.Named("ReportBootOk"), Text("0"), Text("1"), gate::NtFamily,
                          kWindowsNote));
    Register(table,
             Check(220, "Enable Shutdown Event Tracker .",
                   {hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Reliability",
                    "ShutdownReasonUI"},
                   Dword(1), Dword(0), gate::XpOnly, kLowerRestartNote));
    // A mode Windows does not have shows as disabled; without a choice nothing is written.
    Register(table, Declared{.id = 221,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{
                                 .label = "The Windows Prefetcher Mode:",
                                 .items = IndexItems({"disabled", "Application launch prefetching",
                                                      "Boot prefetching", "Both prefetching"}),
                                 .at = {{hive::LocalMachine,
                                         "SYSTEM\\CurrentControlSet\\Control\\Session "
                                         "Manager\\Memory Management\\PrefetchParameters",
                                         "EnablePrefetcher"}},
                                 .preselect = 0,
                                 .otherwise = 0}},
                             .gate = gate::XpOnly,
                             .note = kWindowsNote});
    RegisterBootMenu(table);
    Register(table,
             Check(223, "Power down After Shutdown .", kWinlogon.Named("PowerdownAfterShutdown"),
                   Text("1"), Text("0"), gate::NtFamily, kWindowsNote));
    Register(table, Check(224, "Enable Reading Environment Variables in Autoexec.bat File .",
                          kWinlogon.Named("ParseAutoexec"), Text("1"), Text("0"), gate::NtFamily,
                          kLowerRestartNote));
    // Written as typed: Windows itself reads the number from the text.
    Register(table, Declared{.id = 225,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Time in milliseconds (1000=1 second):",
                                                .at = {kDesktop.Named("HungAppTimeout"),
                                                       kDefaultDesktop.Named("HungAppTimeout")},
                                                .empty = AlertWhenEmpty(kStringSetHungAppTimeout),
                                                .browse = false}},
                             .note = kWindowsNote});
}

}  // namespace tallowick
