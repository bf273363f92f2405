// The "Windows File Checker" group: the size of the Windows File Protection cache, the
// system file checker's progress meter, its scan mode and the folder of its cache.
//
// Windows File Protection reads its settings from its policy key first and from Winlogon
// after, so three of these keep them in both. The policy key is made when a setting goes
// into it and removed again once it holds nothing, so that no empty policy is left behind.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/system/system.h"

namespace tallowick {

namespace {

constexpr Target kPolicy{hive::LocalMachine,
                         "SOFTWARE\\Policies\\Microsoft\\Windows NT\\Windows File Protection", "",
                         kCreateAllRemoveEmpty};
constexpr Target kWinlogon{hive::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", ""};

std::vector<Target> Both(const char* value) {
    return {kPolicy.Named(value), kWinlogon.Named(value)};
}

}  // namespace

void RegisterFileChecker(HandlerTable& table) {
    // Megabytes of cached files; -1 (4294967295, Windows' default) caches every file. The
    // key is made when missing, and no date is recorded.
    Register(table, Declared{.id = 251,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Change the Size of the Windows File "
                                                         "Protection Cache:",
                                                .at = {{hive::LocalMachine, kWinlogon.key,
                                                        "SfcQuota", kCreateAll}},
                                                .store = Store::Number,
                                                .browse = false,
                                                .missing = "0",
                                                .row = 2}},
                             .date = DateAt::Never,
                             .note = kLowerRestartNote});
    Register(table, Declared{.id = 253,
                             .fields = {Box{.caption = "Display SFC Progress Meter .",
                                            .at = Both("SFCShowProgress"),
                                            .on = Dword(1),
                                            .off = Dword(0)}},
                             .gate = gate::Win2000Xp,
                             .note = kLowerRestartNote});
    Register(table, Declared{.id = 254,
                             .page = PageId::ComboCheckPage,
                             .fields = {Choice{
                                 .label = "SFC scan mode:",
                                 .items = IndexItems({"Disabled", "Scan every boot", "Scan once"}),
                                 .at = Both("SFCScan"),
                                 .none = DeleteValue()}},
                             .gate = gate::Win2000Xp,
                             .note = kLowerRestartNote});
    // Kept with "%SystemRoot%" for the Windows folder, as Windows writes it.
    Register(table, Declared{.id = 255,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "The Directory to store cached SFC files:",
                                                .at = Both("SFCDllCacheDir"),
                                                .empty = kDeleteEmpty,
                                                .systemRoot = true}},
                             .gate = gate::Win2000Xp,
                             .note = kLowerRestartNote,
                             .browse = BrowseKind::Folder});
}

}  // namespace tallowick
