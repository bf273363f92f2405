// The "Maintenance" group: boot disk optimisation, the NTFS master file table's reserved
// zone, the low disk space warning and the time Autocheck waits before it checks a disk.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/filesystem/filesystem.h"

namespace tallowick {

using namespace filesystem;

void RegisterMaintenance(HandlerTable& table) {
    // The defragmenter writes "Y" or "N"; it reads either letter case.
    Register(table,
             Declared{.id = 138,
                      .fields = {Box{
                          .caption = "Enable Automatic Boot Disk Optimization .",
                          .at = {{hive::LocalMachine,
                                  "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable"}},
                          .on = Text("Y"),
                          .off = Text("N"),
                          .match = Match::IgnoreCase}},
                      .gate = gate::XpOnly,
                      .note = kWindowsNote});
    // The zone is stored as 1 to 4; 1, the smallest, is Windows' default.
    Register(table,
             Declared{.id = 139,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{.label = "NTFS Reserves Space for its Master File:",
                                        .items = {{"Small Zone Reservation (Default)", Dword(1)},
                                                  {"Medium Zone Reservation", Dword(2)},
                                                  {"Large Zone Reservation", Dword(3)},
                                                  {"Maximum Zone Reservation", Dword(4)}},
                                        .at = {kFileSystem.Named("NtfsMftZoneReservation")},
                                        .preselect = 0}},
                      .gate = gate::NtFamily,
                      .note = kWindowsNote});
    Register(table, Declared{.id = 140,
                             .fields = BothScopes(
                                 "Disable Low Disk Space Notification (Current User) .",
                                 "Disable Low Disk Space Notification (All Users) .",
                                 kPolicies.Named("NoLowDiskSpaceChecks"), Dword(1), Dword(0)),
                             .gate = gate::XpOnly,
                             .note = kRestartNoStopNote});
    Register(table,
             Declared{.id = 141,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{.label = "The Autocheck Time-out Value(Time in "
                                                 "Seconds or (0) to disable,(default=10)):",
                                        .items = NumberItems(0, 3600),
                                        .at = {{hive::LocalMachine,
                                                "SYSTEM\\CurrentControlSet\\Control\\Session "
                                                "Manager",
                                                "AutoChkTimeOut"}}}},
                      .gate = gate::NtFamily,
                      .note = kRestartNote});
}

}  // namespace tallowick
