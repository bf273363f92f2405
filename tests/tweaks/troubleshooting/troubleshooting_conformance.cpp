// Troubleshooting tweaks against a real registry and real files: one tweak of each
// declared shape and every handwritten handler, natively on the in-memory seams and under
// Wine on the real ones. Every value they change is put back, every key they make removed.
#include <gtest/gtest.h>

#include <string>

#include "support/file_host.h"
#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kCrash = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
const std::string kTerminal = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server";
const std::string kAutoRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kKeyboard = "Control Panel\\Keyboard";
const std::string kNew = "Directory\\Background\\shellex\\ContextMenuHandlers\\New";
const std::string kOffice = "Software\\Microsoft\\Office\\10.0";
const std::string kTaskbar = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StuckRects2";

class TroubleshootingConformance : public TweakConformance {
  protected:
    TroubleshootingConformance()
        : TweakConformance({{hive::CurrentUser, kKeyboard, "InitialKeyboardIndicators"},
                            {hive::LocalMachine, kAutoRun, "NoDriveTypeAutoRun"}},
                           {{hive::LocalMachine, kCrash, nullptr},
                            {hive::LocalMachine, kTerminal, nullptr},
                            {hive::Users, ".DEFAULT\\" + kKeyboard, nullptr},
                            {hive::ClassesRoot, "Directory\\Background\\shellex", nullptr},
                            {hive::CurrentUser, kOffice, nullptr},
                            {hive::CurrentUser, kTaskbar, nullptr}}) {
        for (const auto& [root, path] : {std::pair{hive::LocalMachine, kCrash},
                                         {hive::LocalMachine, kTerminal},
                                         {hive::LocalMachine, kAutoRun},
                                         {hive::CurrentUser, kKeyboard},
                                         {hive::Users, ".DEFAULT\\" + kKeyboard},
                                         {hive::CurrentUser, kOffice},
                                         {hive::CurrentUser, kTaskbar}})
            Make(root, path);
        Start();
    }
};

TEST_F(TroubleshootingConformance, EachShapeAndEveryHandwrittenSetting) {
    Show(277, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, 3);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kCrash, "CrashDumpEnabled"), DwordValue(3));
    Show(279, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "\"C:\\WINDOWS\\Minidump\"");
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kCrash, "MinidumpDir"),
              SzValue("%SystemRoot%\\Minidump", regtype::ExpandSz));
    Show(297, PageId::MultiCheckPage);
    Check(false);
    Check(true, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kKeyboard, "InitialKeyboardIndicators"), SzValue("0"));
    EXPECT_EQ(Get(hive::Users, ".DEFAULT\\" + kKeyboard, "InitialKeyboardIndicators"),
              SzValue("2"));

    Show(301, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kTerminal, "fDenyTSConnections"), DwordValue(0));
    WriteValue(registry_, hive::LocalMachine, kAutoRun, "NoDriveTypeAutoRun", DwordValue(0x91));
    Show(303, PageId::MultiCheckPage);
    Check(false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kAutoRun, "NoDriveTypeAutoRun"), DwordValue(0xB1));
}

TEST_F(TroubleshootingConformance, RepairsOfKeysAndValues) {
    // The New handler's key is made through HKEY_CLASSES_ROOT below its opened parent.
    Make(hive::ClassesRoot, kNew.substr(0, kNew.rfind('\\')));
    Show(289, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kNew, ""), SzValue("{D969A300-E7FF-11d0-A93B-00A0C90F2719}"));
    Check(false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::ClassesRoot, kNew));

    WriteValue(registry_, hive::CurrentUser, kOffice, "Shortcut Bar", DwordValue(1));
    Show(292, PageId::MultiCheckPage);
    core_.OnApply();
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kOffice, "Shortcut Bar"), std::nullopt);
    Show(294, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser, kTaskbar));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

// The icon cache repair on real files: the native cases are in troubleshooting_test.cpp.
#ifdef _WIN32
// Keeps `path` open, without leave to delete it, in a second process that never runs.
struct HeldByAnotherProcess {
    explicit HeldByAnotherProcess(const std::string& path) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        STARTUPINFOA start{};
        start.cb = sizeof start;
        held = file != INVALID_HANDLE_VALUE &&
               CreateProcessA(self, nullptr, nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                              nullptr, &start, &process);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    ~HeldByAnotherProcess() {
        if (!held)
            return;
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    PROCESS_INFORMATION process{};
    bool held = false;
};

TEST(IconCacheConformance, AFileInUseIsReportedAndKeptAMissingOneIsNothingToRepair) {
    Seams seams;
    ASSERT_FALSE(seams.folder.empty());
    SavedKey saved(*seams.registry, hive::CurrentUser, "Software\\Quenby Manager");
    FakeHost fake;
    fake.windowsDirectory = seams.folder;
    FileHost host(*seams.host, fake, seams.folder);
    MemoryPages pages{PageLayouts()};
    AppCore core(*seams.registry, host, pages);
    core.LoadData();
    core.OpenPages(RegisterAllCategories);
    const std::string cache = seams.folder + "\\ShellIconCache";
    ASSERT_TRUE(host.WriteWholeFile(cache, "icons"));
    core.OnSelect(291);
    pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, true);
    {
        HeldByAnotherProcess holder(cache);
        ASSERT_TRUE(holder.held);
        core.OnApply();
    }
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_NE(fake.messageBoxes[0].text.find(cache), std::string::npos);
    EXPECT_TRUE(host.FileExists(cache));
    for (int time = 0; time < 2; ++time)
        core.OnApply();
    EXPECT_FALSE(host.FileExists(cache));
    EXPECT_EQ(fake.messageBoxes.size(), 1u);
}
#endif

}  // namespace
}  // namespace tallowick
