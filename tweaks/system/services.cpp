// The "Services" group: DCOM, the Messenger service, SSDP discovery, the Universal Plug
// and Play services, the NTP time server and the time service's schedule and settings,
// the Server service's optimisation and interactive services. Every key here belongs to
// a service or component that is installed or not: none is ever made.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/system/system.h"

namespace tallowick {

using systemtweaks::Check;

namespace {

constexpr Target kTime{hive::LocalMachine,
                       "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", ""};

// The service start modes the pages show.
constexpr std::uint32_t kAutomatic = 2;
constexpr std::uint32_t kManual = 3;
constexpr std::uint32_t kDisabled = 4;

// A service is disabled when its start mode is; a clear box starts it on demand again,
// but only where this page disabled it: a service set to start with Windows stays so.
Box Service(const char* caption, Target start) {
    return Box{.caption = caption,
               .at = {start},
               .on = Dword(kDisabled),
               .off = Dword(kManual),
               .offOnlyOverOn = true};
}

// How often the time service synchronises, by the code it keeps in Period.
std::vector<Item> Periods() {
    return {{"Once a day", Dword(0)},
            {"Once every 2 days", Dword(65535)},
            {"Once every 3 days", Dword(65534)},
            {"Once every week (7 days)", Dword(65533)},
            {"Once every 45 minutes until 3 good synchronizations occur, then once every 8 hours "
             "(3 per day)",
             Dword(65532)},
            {"Once every 45 minutes until 1 good synchronization occurs, then once every day",
             Dword(65531)}};
}

}  // namespace

void RegisterServices(HandlerTable& table) {
    // Windows reads the flag as a text in any letter case.
    Register(table,
             Declared{.id = 240,
                      .fields = {Box{
                          .caption = "Disable Distributed Component Object Model (DCOM).",
                          .at = {{hive::LocalMachine, "SOFTWARE\\Microsoft\\Ole", "EnableDCOM"}},
                          .on = Text("N"),
                          .off = Text("Y"),
                          .match = Match::IgnoreCase}},
                      .note = kLowerRestartNote});
    // Shows Automatic until the start mode is read; a mode the list has not, such as
    // starting with the system, is left as it is.
    Register(table,
             Declared{.id = 241,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{
                          .label = "Messenger Service SPAM :",
                          .items = {{"Automatic", Dword(kAutomatic)},
                                    {"Enabled", Dword(kManual)},
                                    {"Disabled", Dword(kDisabled)}},
                          .at = {{hive::LocalMachine,
                                  "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start"}},
                          .preselect = 0}},
                      .gate = gate::NtFamily,
                      .note = kLowerRestartNote});
    Register(table,
             Declared{.id = 242,
                      .fields = {Box{
                          .caption = "Disable SSDP Discovery in Windows Messenger .",
                          .at = {{hive::LocalMachine,
                                  "SOFTWARE\\Microsoft\\DirectPlayNATHelp\\DPNHUPnP", "UPnPMode"}},
                          .on = Dword(2),
                          .off = DeleteValue()}},
                      .gate = gate::Win2000Xp,
                      .note = kLowerRestartNote});
    Register(
        table,
        Declared{.id = 243,
                 .fields = {Service("Disable Universal Plug and Play Device Host .",
                                    {hive::LocalMachine,
                                     "SYSTEM\\CurrentControlSet\\Services\\upnphost", "Start"}),
                            Service("Disable UnPnP Discovery Service .",
                                    {hive::LocalMachine,
                                     "SYSTEM\\CurrentControlSet\\Services\\SSDPSRV", "Start"})},
                 .gate = gate::XpOnly,
                 .note = kWindowsNote});
    Register(table,
             Check(244, "Enable NTP Time Server .", kTime.Named("LocalNTP"), gate::Win2000Xp));
    // Seconds between synchronisations; an empty edit leaves the interval as it is.
    Register(table,
             Declared{.id = 245,
                      .page = PageId::PathEditPage,
                      .fields = {EditRow{.label = "Synchronization interval (seconds):",
                                         .at = {{hive::LocalMachine,
                                                 "SYSTEM\\CurrentControlSet\\Services\\W32Time\\"
                                                 "TimeProviders\\NtpClient",
                                                 "SpecialPollInterval"}},
                                         .store = Store::Number,
                                         .empty = kSkipEmpty,
                                         .browse = false}},
                      .gate = gate::XpOnly,
                      .note = kLowerRestartNote});
    Register(
        table,
        Declared{.id = 247,
                 .page = PageId::ComboCheckPage,
                 .fields = {Choice{.label = "Optimize the Server service for:",
                                   .items = {{"Minimize memory used", Dword(1)},
                                             {"Balance", Dword(2)},
                                             {"Maximize data throughput", Dword(3)}},
                                   .at = {{hive::LocalMachine,
                                           "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\"
                                           "parameters",
                                           "Size"}}}},
                 .gate = gate::NtFamily,
                 .note = kLowerRestartNote});
    Register(table, Check(248, "Restrict interactive services.",
                          {hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Windows",
                           "NoInteractiveServices"},
                          gate::Win2000Xp));
    // The server is written as typed, an empty one too. A combo without a selection, for a
    // period or type this list does not know (domain members keep "NT5DS"), leaves its
    // value as it is: removing it could stop the clock being synchronised.
    Register(
        table,
        Declared{.id = 249,
                 .page = PageId::EditComboPage,
                 .fields = {EditRow{.label = "Ntp Server:", .at = {kTime.Named("NtpServer")}},
                            Choice{.control = ctl::Combo1,
                                   .label = "Period:",
                                   .items = Periods(),
                                   .at = {kTime.Named("Period")}},
                            Choice{.control = ctl::Combo2,
                                   .label = "ReliableTimeSource:",
                                   .items = IndexItems(
                                       {"Do not mark this computer as having reliable time "
                                        "[default]",
                                        "mark this computer as having reliable time (this is "
                                        "only useful on a domain controller)"}),
                                   .at = {kTime.Named("ReliableTimeSource")}},
                            Choice{.control = ctl::Combo3,
                                   .label = "Type:",
                                   .items = {{"Nt5DS - synchronize to domain hierarchy "
                                              "[default]",
                                              Text("Nt5DS")},
                                             {"NTP - synchronize to manually configured source",
                                              Text("NTP")},
                                             {"NoSync - do not synchronize time", Text("NoSync")}},
                                   .at = {kTime.Named("Type")}}},
                 .gate = gate::Win2000Xp,
                 .note = kLowerRestartNote});
}

}  // namespace tallowick
