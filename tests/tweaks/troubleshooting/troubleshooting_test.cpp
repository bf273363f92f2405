// The Troubleshooting tweaks' pages, handwritten handlers and irregular data through the
// application core; what every declaration does with regular data is covered by its
// properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

const std::string kCrash = "SYSTEM\\CurrentControlSet\\Control\\CrashControl";
const std::string kApplet = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
const std::string kHandlers = "Directory\\Background\\shellex\\ContextMenuHandlers";
const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kTerminal = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server";
const std::string kAutoRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer";
const std::string kLowerNote =
    "  1024 static \"Note:\\n\\tyou may need to restart or log out of Windows for the change to "
    "take effect.\"\n";

class TroubleshootingTest : public TweakTest {
  protected:
    std::optional<RegValue> Get(const std::string& path, const char* name,
                                RegKey root = hive::LocalMachine) {
        return ReadValue(registry, root, path, name);
    }
    int Selected() { return pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::Combo1); }
    void Select(int item) { pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, item); }
};

TEST_F(TroubleshootingTest, ChoicesShowTheStoredIndexAndWriteNothingWithoutOne) {
    Load("[HKLM\\" + kCrash + "]\n\"CrashDumpEnabled\"=dword:3\n\"Overwrite\"=dword:7\n");
    EXPECT_EQ(Show(277),
              Page(277, "ComboCheckPage (172)",
                   "  1014 static \"The Dump Creation Mode:\"\n"
                   "  1021 combo \"Small memory dump\" sel 3 of 4: \"None\", \"Complete memory "
                   "dump\", \"Kernal memory dump\", \"Small memory dump\"\n" +
                       kLowerNote,
                   false));
    // A number no item has shows nothing, and nothing is what Apply writes back.
    Show(275);
    EXPECT_EQ(Selected(), -1);
    Apply();
    EXPECT_EQ(Get(kCrash, "Overwrite"), DwordValue(7));
    EXPECT_EQ(DateOf(275), kToday);

    // Startup warnings: nothing stored, nothing written; a clear combo deletes its value.
    const std::string windows = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
    Load("[HKLM\\" + windows + "]\n");
    Show(300);
    EXPECT_EQ(Selected(), -1);
    Apply();
    EXPECT_EQ(Export(hive::LocalMachine, windows),
              "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\" + windows + "]\n\n");
    pages.SetCheck(PageId::ComboCheckPage, ctl::MainCheck, true);
    Select(2);
    Apply();
    EXPECT_EQ(Get(windows, "NoPopUpsOnBoot"), DwordValue(1));
    EXPECT_EQ(Get(windows, "Error Mode"), DwordValue(2));
    Show(300);
    EXPECT_EQ(Selected(), 2);
    Select(-1);
    Apply();
    EXPECT_EQ(Get(windows, "Error Mode"), std::nullopt);
}

TEST_F(TroubleshootingTest, PathsShowTheWindowsFolderAndStoreItWithoutThePickersQuotes) {
    Load("[HKLM\\" + kCrash +
         "]\n\"MinidumpDir\"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,"
         "5c,4d,00\n");
    Show(279);
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit1), "C:\\WINDOWS\\M");
    // A directory: the folder picker, whose answer comes without quotes.
    host.folderAnswers.push_back("C:\\WINDOWS\\Dumps");
    core.OnPageButton(PageId::PathEditPage, ctl::Browse1);
    ASSERT_EQ(host.pickerCalls.size(), 1u);
    EXPECT_EQ(host.pickerCalls[0].picker, FakeHost::Picker::Folder);
    Apply();
    EXPECT_EQ(Get(kCrash, "MinidumpDir"), SzValue("%SystemRoot%\\Dumps", regtype::ExpandSz));
    for (const char* unchanged : {"", "\"\""}) {
        Type(unchanged);
        Apply();
        EXPECT_EQ(Get(kCrash, "MinidumpDir"), SzValue("%SystemRoot%\\Dumps", regtype::ExpandSz));
    }

    const std::string mail = "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.current";
    Load("[HKCU\\" + mail + "]\n");
    Show(296);
    host.fileAnswers.push_back("C:\\WINDOWS\\Media\\ding.wav");
    core.OnPageButton(PageId::PathEditPage, ctl::Browse1);
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit1), "\"C:\\WINDOWS\\Media\\ding.wav\"");
    Apply();
    EXPECT_EQ(Get(mail, "", hive::CurrentUser), SzValue("%SystemRoot%\\Media\\ding.wav"));
}

TEST_F(TroubleshootingTest, RemoteAssistanceAllowsOrDeniesAllThreeAndIsGatedToXp) {
    Load("[HKLM\\" + kTerminal +
         "]\n\"AllowTSConnections\"=dword:1\n"
         "\"fDenyTSConnections\"=dword:1\n\"fAllowToGetHelp\"=dword:1\n");
    Show(301);
    EXPECT_FALSE(Checked()) << "Remote Desktop is denied";
    Check(true);
    host.version = kWin2000;
    Apply();
    ExpectAlert("These Tweak active only on Windows XP");
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(301), kEarlier);
    host.version = kWinXP;
    Apply();
    const std::string key = "HKEY_LOCAL_MACHINE\\" + kTerminal;
    EXPECT_EQ(Changes(registry),
              (Lines{"Set " + key + " : AllowTSConnections", "Set " + key + " : fDenyTSConnections",
                     "Set " + key + " : fAllowToGetHelp"}));
    EXPECT_EQ(Get(kTerminal, "fDenyTSConnections"), DwordValue(0));
    Show(301);
    EXPECT_TRUE(Checked());
    Check(false);
    Apply();
    EXPECT_EQ(Get(kTerminal, "AllowTSConnections"), DwordValue(0));
    EXPECT_EQ(Get(kTerminal, "fDenyTSConnections"), DwordValue(1));
    EXPECT_EQ(Get(kTerminal, "fAllowToGetHelp"), DwordValue(0));
}

TEST_F(TroubleshootingTest, CdRomAutoRunChangesOnlyItsOwnBit) {
    // Missing counts as no bit set; a key missing too is not made.
    Show(303);
    EXPECT_TRUE(Checked());
    Apply();
    EXPECT_FALSE(KeyCreated());
    Load("[HKLM\\" + kAutoRun + "]\n");
    Check(false);
    Apply();
    EXPECT_EQ(Get(kAutoRun, "NoDriveTypeAutoRun"), DwordValue(0x20));
    Check(true);
    Apply();
    EXPECT_EQ(Get(kAutoRun, "NoDriveTypeAutoRun"), DwordValue(0));
    Load("[HKLM\\" + kAutoRun + "]\n\"NoDriveTypeAutoRun\"=dword:95\n");
    Show(303);
    EXPECT_TRUE(Checked());
    Check(false);
    Apply();
    EXPECT_EQ(Get(kAutoRun, "NoDriveTypeAutoRun"), DwordValue(0xB5));
    Show(303);
    EXPECT_FALSE(Checked());
}

TEST_F(TroubleshootingTest, NewCommandHandlerMatchesInAnyCaseAndItsKeyGoesOnlyWhenEmpty) {
    Load("[HKCR\\" + kHandlers + "\\New]\n@=\"{d969a300-e7ff-11d0-a93b-00a0c90f2719}\"\n");
    Show(289);
    EXPECT_TRUE(Checked());
    Apply();
    EXPECT_EQ(Get(kHandlers + "\\New", "", hive::ClassesRoot),
              SzValue("{D969A300-E7FF-11d0-A93B-00A0C90F2719}"));
    // Clear, a key with subkeys stays, and the failure is told once.
    Load("[HKCR\\" + kHandlers + "\\New\\Sub]\n");
    Check(false);
    Apply();
    ExpectAlert("Tallowick could not change the registry key HKEY_CLASSES_ROOT\\" + kHandlers +
                "\\New. You may need administrator rights to change this setting.");
    Load("[-HKCR\\" + kHandlers + "\\New\\Sub]\n");
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, kHandlers + "\\New"));
    Check(true);
    Apply();
    EXPECT_TRUE(KeyCreated());
    EXPECT_EQ(Get(kHandlers + "\\New", "", hive::ClassesRoot)->data.size(), 39u) << "38 and NUL";
}

TEST_F(TroubleshootingTest, IconCacheIsDeletedThroughTheHostAndAFileThatStaysIsReported) {
    struct Case {
        std::string windows, file;
        bool present, locked;
    };
    const Case cases[] = {{"C:\\WINDOWS", "C:\\WINDOWS\\ShellIconCache", true, false},
                          {"C:\\WINDOWS", "C:\\WINDOWS\\ShellIconCache", false, false},
                          {"C:\\WINDOWS", "C:\\WINDOWS\\ShellIconCache", true, true},
                          {"C:\\", "C:\\ShellIconCache", true, false},
                          {"", "\\ShellIconCache", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windows + (c.locked ? " locked" : ""));
        host.windowsDirectory = c.windows;
        host.files.erase(c.file);
        host.failRemoves.clear();
        if (c.present)
            host.files[c.file] = "cache";
        if (c.locked)
            host.failRemoves.insert(c.file);
        Show(291);
        Check(true);
        Apply();
        EXPECT_EQ(host.FileExists(c.file), c.locked || c.windows.empty());
        if (c.locked) {
            ExpectAlert("Tallowick could not delete the file " + c.file +
                        ". It may be in use by another program, or you may need administrator "
                        "rights to delete it.");
        }
        EXPECT_TRUE(host.messageBoxes.empty());
        EXPECT_EQ(DateOf(291), kToday);
    }
}

TEST_F(TroubleshootingTest, OfficeBarClearTicksTheBoxAndTaskbarKeyFollowsTheVersion) {
    const std::string office = "Software\\Microsoft\\Office\\10.0";
    Load("[HKCU\\" + office + "]\n\"Shortcut Bar\"=hex:01\n");
    Show(292);
    EXPECT_FALSE(Checked());
    Apply();
    EXPECT_TRUE(Checked());
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(292), kToday);
    Apply();
    EXPECT_EQ(Get(office, "Shortcut Bar", hive::CurrentUser), std::nullopt);

    const std::pair<OsVersion, const char*> versions[] = {{kWin95, "StuckRects"},
                                                          {kWin98, "StuckRects"},
                                                          {kWinMe, "StuckRects2"},
                                                          {kWinXP, "StuckRects2"}};
    for (const auto& [version, key] : versions) {
        Load("[HKCU\\" + kExplorer + "\\StuckRects]\n[HKCU\\" + kExplorer + "\\StuckRects2]\n");
        host.version = version;
        Show(294);
        Check(true);
        Apply();
        EXPECT_EQ(Changes(registry),
                  Lines{"DeleteKey HKEY_CURRENT_USER\\" + kExplorer + "\\" + key});
    }
}

TEST_F(TroubleshootingTest, RegistryEditorRepairDeletesTheSavedStateAndDatesOnlyTheSelectedNode) {
    const std::string key = "HKEY_CURRENT_USER\\" + kApplet;
    for (TweakId id : {TweakId{28}, TweakId{293}}) {
        EXPECT_EQ(Show(id), Page(id, "MultiCheckPage (170)",
                                 "  1013 checkbox [ ] \"Repair the Registry Editor .\"\n", false));
    }
    // FindFlags is already gone: the other values are deleted all the same.
    Load("[HKCU\\" + kApplet +
         "]\n\"View\"=hex:2c,00\n\"LastKey\"=\"My Computer\"\n\"Favorites\"=\"kept\"\n");
    Show(293);  // left clear: nothing is done, but the date is recorded
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(293), kToday);
    EXPECT_EQ(DateOf(28), kEarlier);
    Show(28);
    Check(true);
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{"DeleteValue " + key + " : FindFlags -> 2",
                     "DeleteValue " + key + " : LastKey", "DeleteValue " + key + " : View"}));
    EXPECT_EQ(Export(hive::CurrentUser, kApplet),
              "Windows Registry Editor Version 5.00\n\n[" + key + "]\n\"Favorites\"=\"kept\"\n\n");
    EXPECT_EQ(DateOf(28), kToday);
}

}  // namespace
}  // namespace tallowick
