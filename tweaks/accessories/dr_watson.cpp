// Dr Watson: the settings of the NT error debugger, all under HKLM and all for the NT family.
// The checkbox tweaks only open their key: when Dr Watson was never installed there is no
// key, and creating one would leave settings behind for a program that is not there.
#include "engine/declarations.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kDrWatsonKey = "SOFTWARE\\Microsoft\\DrWatson";
constexpr const char* kAeDebugKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

// Checked stores 1 and unchecked 0, unless given otherwise. The date goes with the write,
// so a machine without the key records nothing.
Declared DrWatsonCheck(TweakId id, const char* caption, Target at, Data on = Dword(1),
                       Data off = Dword(0)) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = {at}, .on = on, .off = off}},
                    .gate = gate::NtFamily,
                    .refusal = Refusal::FlipMainCheck,
                    .date = DateAt::EachWrite};
}

// One edit row, shown with the value's text (or number), its key opened and never
// created. The date is recorded before the field check, so an empty edit still dates it.
Declared DrWatsonEdit(TweakId id, const char* label, Target at, Store store, int emptyAlert,
                      bool browse = true) {
    return Declared{.id = id,
                    .page = PageId::PathEditPage,
                    .fields = {EditRow{.label = label,
                                       .at = {at},
                                       .store = store,
                                       .empty = AlertWhenEmpty(emptyAlert),
                                       .browse = browse}},
                    .gate = gate::NtFamily};
}

}  // namespace

void RegisterDrWatson(HandlerTable& table) {
    constexpr RegKey hklm = hive::LocalMachine;
    Register(table, DrWatsonCheck(14, "Enable Symbol Dumping in Dr Watson",
                                  {hklm, kDrWatsonKey, "DumpSymbols"}));
    // AppendToLogFile is the opposite of the caption: 0 starts a new log each time.
    Register(table,
             DrWatsonCheck(15, "Create a new logFile for each application error that occurs.",
                           {hklm, kDrWatsonKey, "AppendToLogFile"}, Dword(0), Dword(1)));
    Register(table,
             DrWatsonCheck(16, "Dump the contents of all threads during an application error.",
                           {hklm, kDrWatsonKey, "DumpAllThreads"}));
    Register(table,
             DrWatsonCheck(17, "Enable Popup Alert when Dr Watson encounters an application error",
                           {hklm, kDrWatsonKey, "VisualNotification"}));
    Register(table,
             DrWatsonCheck(18, "Enable Sound Alert when Dr Watson  encounters an application error",
                           {hklm, kDrWatsonKey, "SoundNotification"}));
    Register(table,
             DrWatsonCheck(
                 19, "Enable Creating a Crash Dump file after an Application Crash has Occured",
                 {hklm, kDrWatsonKey, "CreateCrashDump"}));

    Register(table, DrWatsonEdit(20, "The Alternate Program Path:", {hklm, kAeDebugKey, "Debugger"},
                                 Store::Text, kStringSetAlternateProgramPath));
    Register(table,
             DrWatsonEdit(21, "The Log File Directory Path:", {hklm, kDrWatsonKey, "LogFilePath"},
                          Store::Text, kStringSetLogFileDirectory));
    Register(table, DrWatsonEdit(
                        22, "The Location of the Dump File:", {hklm, kDrWatsonKey, "CrashDumpFile"},
                        Store::ExpandText, kStringSetDumpFileLocation));
    // A count, not a path: no file picker to put a quoted path into it.
    Register(table, DrWatsonEdit(23, "The Number of Instructions to Record:",
                                 {hklm, kDrWatsonKey, "Instructions"}, Store::Number,
                                 kStringSetInstructionCount, /*browse=*/false));
    Register(table, DrWatsonEdit(24, "The Location of Wave File for Sound Notification:",
                                 {hklm, kDrWatsonKey, "WaveFile"}, Store::ExpandText,
                                 kStringSetWaveFileLocation));
}

}  // namespace tallowick
