// Dr Watson: the settings of the NT error debugger, all under HKLM and all for the NT family.
// The checkbox tweaks only open their key: when Dr Watson was never installed there is no
// key, and creating one would leave settings behind for a program that is not there.
#include "engine/tweak_engine.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kDrWatsonKey = "SOFTWARE\\Microsoft\\DrWatson";
constexpr const char* kAeDebugKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

constexpr Location DrWatson(const char* value) {
    return Location{hive::LocalMachine, kDrWatsonKey, "", value};
}

// Checked stores 1 and unchecked 0, unless given otherwise. The date goes with the write,
// so a machine without the key records nothing.
constexpr CheckTweak DrWatsonCheck(TweakId id, const char* caption, const char* value,
                                   Data checked = Dword(1), Data unchecked = Dword(0)) {
    return CheckTweak{.id = id,
                      .caption = caption,
                      .where = DrWatson(value),
                      .checked = checked,
                      .unchecked = unchecked,
                      .gate = gate::NtFamily,
                      .flip = true,
                      .date = DateAt::EachWrite};
}

constexpr CheckTweak kCheckTweaks[] = {
    DrWatsonCheck(14, "Enable Symbol Dumping in Dr Watson", "DumpSymbols"),
    // AppendToLogFile is the opposite of the caption: 0 starts a new log each time.
    DrWatsonCheck(15, "Create a new logFile for each application error that occurs.",
                  "AppendToLogFile", Dword(0), Dword(1)),
    DrWatsonCheck(16, "Dump the contents of all threads during an application error.",
                  "DumpAllThreads"),
    DrWatsonCheck(17, "Enable Popup Alert when Dr Watson encounters an application error",
                  "VisualNotification"),
    DrWatsonCheck(18, "Enable Sound Alert when Dr Watson  encounters an application error",
                  "SoundNotification"),
    DrWatsonCheck(19, "Enable Creating a Crash Dump file after an Application Crash has Occured",
                  "CreateCrashDump"),
};

// One edit row, shown with the value's text (or number), its key opened and never
// created. The date is recorded before the field check, so an empty edit still dates it.
EditTweak DrWatsonEdit(TweakId id, const char* label, Location where, Store store, int whenEmpty,
                       bool browse = true) {
    return EditTweak{.id = id,
                     .fields = {EditField{label, where, store, browse}},
                     .gate = gate::NtFamily,
                     .date = DateAt::First,
                     .whenEmpty = whenEmpty};
}

}  // namespace

void RegisterDrWatson(HandlerTable& table) {
    for (const CheckTweak& tweak : kCheckTweaks)
        Register(table, tweak);

    Register(table, DrWatsonEdit(20, "The Alternate Program Path:",
                                 Location{hive::LocalMachine, kAeDebugKey, "", "Debugger"},
                                 Store::Text, kStringSetAlternateProgramPath));
    Register(table, DrWatsonEdit(21, "The Log File Directory Path:", DrWatson("LogFilePath"),
                                 Store::Text, kStringSetLogFileDirectory));
    Register(table, DrWatsonEdit(22, "The Location of the Dump File:", DrWatson("CrashDumpFile"),
                                 Store::ExpandText, kStringSetDumpFileLocation));
    // A count, not a path: no file picker to put a quoted path into it.
    Register(table,
             DrWatsonEdit(23, "The Number of Instructions to Record:", DrWatson("Instructions"),
                          Store::Number, kStringSetInstructionCount, /*browse=*/false));
    Register(table,
             DrWatsonEdit(24, "The Location of Wave File for Sound Notification:",
                          DrWatson("WaveFile"), Store::ExpandText, kStringSetWaveFileLocation));
}

}  // namespace tallowick
