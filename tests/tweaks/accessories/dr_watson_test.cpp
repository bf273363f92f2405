#include <string>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kDrWatsonKey = "SOFTWARE\\Microsoft\\DrWatson";
constexpr const char* kAeDebugKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

// Every value of the group, each in the state its checkbox or edit shows as set.
constexpr const char* kConfigured = R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DrWatson]
"DumpSymbols"=dword:00000001
"AppendToLogFile"=dword:00000001
"DumpAllThreads"=dword:00000000
"VisualNotification"=dword:00000001
"SoundNotification"=dword:00000001
"CreateCrashDump"=dword:00000002
"LogFilePath"="C:\\Logs"
"CrashDumpFile"=hex(2):43,3a,5c,75,73,65,72,2e,64,6d,70,00
"Instructions"=dword:0000000a
"WaveFile"=hex(2):43,3a,5c,64,69,6e,67,2e,77,61,76,00

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"="drwtsn32 -p %ld -e %ld -g"
)";

constexpr const char* kEmptyKeys = R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DrWatson]
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\AeDebug]
)";

using DrWatsonTest = TweakTest;

TEST_F(DrWatsonTest, PagesShowTheStoredStateAndApplyWritesItBackUnchanged) {
    Load(kConfigured);
    // The count shows as a number, with no file picker beside it.
    EXPECT_EQ(Show(23), Page(23, "PathEditPage (171)",
                             "  1014 static \"The Number of Instructions to Record:\"\n"
                             "  1015 edit \"10\"\n"));
    // Applying a page as shown leaves every value as it was (but 19's 2, which reads as off):
    // a box or an edit shown wrong would write something else back.
    const std::string before = Export(hive::LocalMachine, "SOFTWARE\\Microsoft");
    for (TweakId id = 14; id <= 24; ++id) {
        if (id == 19)
            continue;
        Show(id);
        Apply();
    }
    EXPECT_EQ(Export(hive::LocalMachine, "SOFTWARE\\Microsoft"), before);
    EXPECT_TRUE(host.messageBoxes.empty());
    Show(19);
    EXPECT_FALSE(Checked());
}

TEST_F(DrWatsonTest, CheckboxesWriteBothStatesAndDateTheWrite) {
    Load(kEmptyKeys);
    struct Row {
        TweakId id;
        const char* value;
        std::uint32_t checked, unchecked;
    };
    const Row rows[] = {{14, "DumpSymbols", 1, 0},       {15, "AppendToLogFile", 0, 1},
                        {16, "DumpAllThreads", 1, 0},    {17, "VisualNotification", 1, 0},
                        {18, "SoundNotification", 1, 0}, {19, "CreateCrashDump", 1, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        Show(row.id);
        EXPECT_FALSE(Checked());  // a missing value is clear, 15 included
        Check(true);
        Apply();
        EXPECT_FALSE(KeyCreated());  // only opened
        EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kDrWatsonKey, row.value),
                  DwordValue(row.checked));
        EXPECT_EQ(DateOf(row.id), kToday);
        Check(false);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kDrWatsonKey, row.value),
                  DwordValue(row.unchecked));
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(DrWatsonTest, EditsRefuseAnEmptyTextOnceDatedAndStoreTheirTextAsItsType) {
    Load(kEmptyKeys);
    struct Row {
        TweakId id;
        const char* alert;
        const char* key;
        const char* value;
        const char* typed;
        RegValue stored;
    };
    const Row rows[] = {
        {20, "Please Set the Alternate Program Path", kAeDebugKey, "Debugger", "drwtsn32 -p %ld",
         SzValue("drwtsn32 -p %ld")},
        {21, "Please Set the Log File Directory Path", kDrWatsonKey, "LogFilePath",
         "%SystemRoot%\\Logs", SzValue("%SystemRoot%\\Logs")},
        {22, "Please Set the Location of the Dump File", kDrWatsonKey, "CrashDumpFile",
         "%SystemRoot%\\user.dmp", SzValue("%SystemRoot%\\user.dmp", regtype::ExpandSz)},
        {23, "Please Set the Number of Instructions To Record", kDrWatsonKey, "Instructions", "abc",
         DwordValue(0)},  // no number: 0
        {24, "Please Set the Location of Wave File for Sound Notification", kDrWatsonKey,
         "WaveFile", "C:\\ding.wav", SzValue("C:\\ding.wav", regtype::ExpandSz)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        Show(row.id);
        Type("");
        Apply();
        ExpectAlert(row.alert);
        EXPECT_TRUE(Changes(registry).empty());
        EXPECT_EQ(DateOf(row.id), kToday);
        Type(row.typed);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::LocalMachine, row.key, row.value), row.stored);
    }
}

}  // namespace
}  // namespace tallowick
