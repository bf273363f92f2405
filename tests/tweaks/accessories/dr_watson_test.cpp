#include <string>

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

class DrWatsonTest : public TweakTest {
  protected:
    std::string Typed() { return pages.GetText(PageId::PathEditPage, ctl::Edit1); }
    std::optional<RegValue> DrWatson(const char* value) {
        return ReadValue(registry, hive::LocalMachine, kDrWatsonKey, value);
    }
    // No key was created and no value set or deleted by the last Apply.
    bool NothingWritten() {
        for (const RegCall& call : registry.Calls()) {
            if (call.op != RegOp::Connect && call.op != RegOp::Open && call.op != RegOp::Query)
                return false;
        }
        return true;
    }
};

TEST_F(DrWatsonTest, PagesShowTheStoredStateAndApplyWritesItBackUnchanged) {
    Load(kConfigured);
    // AppendToLogFile 1 appends, so "a new log file each time" is clear.
    EXPECT_EQ(Show(15), Page(15, "MultiCheckPage (170)",
                             "  1013 checkbox [ ] \"Create a new logFile for each application "
                             "error that occurs.\"\n"));
    EXPECT_EQ(Show(18), Page(18, "MultiCheckPage (170)",
                             "  1013 checkbox [x] \"Enable Sound Alert when Dr Watson  encounters "
                             "an application error\"\n"));
    EXPECT_EQ(Show(22), Page(22, "PathEditPage (171)",
                             "  1014 static \"The Location of the Dump File:\"\n"
                             "  1015 edit \"C:\\user.dmp\"\n"
                             "  1023 button \"...\"\n"));
    // The count shows as a number, with no file picker beside it.
    EXPECT_EQ(Show(23), Page(23, "PathEditPage (171)",
                             "  1014 static \"The Number of Instructions to Record:\"\n"
                             "  1015 edit \"10\"\n"));
    const std::pair<TweakId, bool> shown[] = {
        {14, true}, {16, false}, {17, true}, {19, false}};  // CreateCrashDump 2 is not 1
    for (const auto& [id, checked] : shown) {
        Show(id);
        EXPECT_EQ(Checked(), checked) << id;
    }
    Show(20);
    EXPECT_EQ(Typed(), "drwtsn32 -p %ld -e %ld -g");

    // Applying a page as shown leaves every value as it was (but 19's 2, which reads as off).
    const std::string before = Export(hive::LocalMachine, "SOFTWARE\\Microsoft");
    for (TweakId id = 14; id <= 24; ++id) {
        if (id == 19)
            continue;
        Show(id);
        Apply();
    }
    EXPECT_EQ(Export(hive::LocalMachine, "SOFTWARE\\Microsoft"), before);
    EXPECT_TRUE(host.messageBoxes.empty());
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
        EXPECT_EQ(DateOf(row.id), kEarlier);
        Show(row.id);
        EXPECT_FALSE(Checked());  // a missing value is clear, 15 included
        Check(true);
        Apply();
        EXPECT_EQ(DrWatson(row.value), DwordValue(row.checked));
        EXPECT_EQ(DateOf(row.id), kToday);
        Check(false);
        Apply();
        EXPECT_EQ(DrWatson(row.value), DwordValue(row.unchecked));
    }
    EXPECT_EQ(Export(hive::LocalMachine, kDrWatsonKey), R"(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DrWatson]
"AppendToLogFile"=dword:00000001
"CreateCrashDump"=dword:00000000
"DumpAllThreads"=dword:00000000
"DumpSymbols"=dword:00000000
"SoundNotification"=dword:00000000
"VisualNotification"=dword:00000000

)");
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(DrWatsonTest, EditsStoreTheirTextAsItsTypeAndTheCountAsANumber) {
    Load(kEmptyKeys);
    struct Row {
        TweakId id;
        const char* typed;
        const char* key;
        const char* value;
        RegValue stored;
    };
    const std::string debugger = "\"C:\\Debuggers\\windbg.exe\" -p %ld -e %ld -g";
    const Row rows[] = {
        {20, debugger.c_str(), kAeDebugKey, "Debugger", SzValue(debugger)},
        {21, "%SystemRoot%\\Logs", kDrWatsonKey, "LogFilePath", SzValue("%SystemRoot%\\Logs")},
        {22, "%SystemRoot%\\user.dmp", kDrWatsonKey, "CrashDumpFile",
         SzValue("%SystemRoot%\\user.dmp", regtype::ExpandSz)},
        {23, "abc", kDrWatsonKey, "Instructions", DwordValue(0)},  // no number: 0
        {24, "C:\\ding.wav", kDrWatsonKey, "WaveFile", SzValue("C:\\ding.wav", regtype::ExpandSz)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        Show(row.id);
        Type(row.typed);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::LocalMachine, row.key, row.value), row.stored);
        EXPECT_EQ(DateOf(row.id), kToday);
    }

    Show(23);
    Type("25");
    Apply();
    EXPECT_EQ(DrWatson("Instructions"), DwordValue(25));
    Show(23);
    EXPECT_EQ(Typed(), "25");
}

TEST_F(DrWatsonTest, AChosenFileArrivesQuotedAndIsWrittenSo) {
    Load(kEmptyKeys);
    pages.OnClick([this](PageId page, int id) { core.OnPageButton(page, id); });
    host.fileAnswers.push_back("C:\\Media\\chord.wav");
    Show(24);
    ASSERT_TRUE(pages.Click(PageId::PathEditPage, ctl::Browse1));
    EXPECT_EQ(Typed(), "\"C:\\Media\\chord.wav\"");
    Apply();
    EXPECT_EQ(DrWatson("WaveFile"), SzValue("\"C:\\Media\\chord.wav\"", regtype::ExpandSz));
}

TEST_F(DrWatsonTest, AnEmptyEditAlertsAfterTheDateAndWritesNothing) {
    Load(kConfigured);
    const std::pair<TweakId, const char*> alerts[] = {
        {20, "Please Set the Alternate Program Path"},
        {21, "Please Set the Log File Directory Path"},
        {22, "Please Set the Location of the Dump File"},
        {23, "Please Set the Number of Instructions To Record"},
        {24, "Please Set the Location of Wave File for Sound Notification"}};
    const std::string before = registry.SaveRegText();
    for (const auto& [id, alert] : alerts) {
        SCOPED_TRACE(id);
        Show(id);
        Type("");
        Apply();
        ExpectAlert(alert);
        EXPECT_TRUE(NothingWritten());
        EXPECT_EQ(DateOf(id), kToday);
    }
    EXPECT_EQ(registry.SaveRegText(), before);
}

TEST_F(DrWatsonTest, OutsideTheNtFamilyNothingIsWrittenAndCheckboxesFlipBack) {
    for (const OsVersion& version : {kWin95, kWin98, kWinMe, kWinVista}) {
        Load(kConfigured);
        const std::string before = registry.SaveRegText();
        for (TweakId id : {14, 15, 19}) {
            SCOPED_TRACE(id);
            host.version = version;
            Show(id);
            const bool shown = Checked();
            Check(!shown);
            Apply();
            ExpectAlert("These Tweak active only on Windows NT/2000/XP");
            EXPECT_EQ(Checked(), shown);
            EXPECT_TRUE(NothingWritten());
            EXPECT_EQ(DateOf(id), kEarlier);
        }
        // An edit page keeps what was typed: there is no checkbox to put back.
        Show(21);
        Type("D:\\Logs");
        Apply();
        ExpectAlert("These Tweak active only on Windows NT/2000/XP");
        EXPECT_EQ(Typed(), "D:\\Logs");
        EXPECT_EQ(DateOf(21), kEarlier);
        EXPECT_EQ(registry.SaveRegText(), before);
    }

    for (const OsVersion& version : {kWinNT4, kWin2000, kWinXP}) {
        Load("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\DrWatson]\n\"DumpSymbols\"=dword:0\n");
        host.version = version;
        Show(14);
        Check(true);
        Apply();
        EXPECT_EQ(DrWatson("DumpSymbols"), DwordValue(1));
        EXPECT_TRUE(host.messageBoxes.empty());
    }
}

TEST_F(DrWatsonTest, MissingKeysAreNeverCreated) {
    // The checkbox tweaks date their write, so nothing is dated either; the edits have
    // dated Apply before they find the key missing.
    Show(14);
    EXPECT_FALSE(Checked());
    Check(true);
    Apply();
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(DateOf(14), kEarlier);

    for (TweakId id : {20, 21, 23}) {
        Show(id);
        EXPECT_EQ(Typed(), "") << id;
        Type("7");
        Apply();
        EXPECT_TRUE(NothingWritten()) << id;
        EXPECT_EQ(DateOf(id), kToday) << id;
    }
    EXPECT_FALSE(KeyExists(registry, hive::LocalMachine, kDrWatsonKey));
    EXPECT_FALSE(KeyExists(registry, hive::LocalMachine, kAeDebugKey));
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
