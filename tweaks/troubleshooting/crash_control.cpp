// The "Crash Control" group: what Windows does when the system stops with an error, all
// in the one key it reads at start-up.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/troubleshooting/troubleshooting.h"

namespace tallowick {

namespace {

// Never made: a machine without it is not an NT one.
constexpr Target kCrashControl{hive::LocalMachine,
                               "SYSTEM\\CurrentControlSet\\Control\\CrashControl", ""};

Declared Check(TweakId id, const char* caption, const char* value) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption,
                                   .at = {kCrashControl.Named(value)},
                                   .on = Dword(1),
                                   .off = Dword(0)}},
                    .gate = gate::NtFamily,
                    .note = kLowerRestartNote};
}

// The stored number is the item's index. A stored number no item has shows no selection,
// and without a selection Apply leaves the value as it is.
Declared Choose(TweakId id, const char* value, const std::vector<std::string>& items) {
    return Declared{.id = id,
                    .page = PageId::ComboCheckPage,
                    .fields = {Choice{.label = "The Dump Creation Mode:",
                                      .items = IndexItems(items),
                                      .at = {kCrashControl.Named(value)},
                                      .preselect = 0}},
                    .gate = gate::NtFamily,
                    .note = kLowerRestartNote};
}

// Windows expands "%SystemRoot%" in these paths itself; an empty edit leaves the path.
Declared Path(TweakId id, const char* label, const char* value, BrowseKind browse) {
    return Declared{.id = id,
                    .page = PageId::PathEditPage,
                    .fields = {EditRow{.label = label,
                                       .at = {kCrashControl.Named(value)},
                                       .store = Store::ExpandText,
                                       .empty = kSkipEmpty,
                                       .systemRoot = true,
                                       .unquote = true}},
                    .gate = gate::Win2000Xp,
                    .note = kLowerRestartNote,
                    .browse = browse};
}

}  // namespace

void RegisterCrashControl(HandlerTable& table) {
    // 1 lets a new dump replace the file of the last one, 0 keeps that file.
    Register(table, Choose(275, "Overwrite", {"Append", "Overwrite"}));
    Register(table, Check(276, "Write an event to the system log .", "LogEvent"));
    Register(table,
             Choose(277, "CrashDumpEnabled",
                    {"None", "Complete memory dump", "Kernal memory dump", "Small memory dump"}));
    Register(table, Check(278, "Send an administrative alert .", "SendAlert"));
    // A directory, so its button picks a folder.
    Register(table,
             Path(279, "The small memory dump directory :", "MinidumpDir", BrowseKind::Folder));
    Register(table, Path(280, "The system crash dump file :", "DumpFile", BrowseKind::File));
}

}  // namespace tallowick
