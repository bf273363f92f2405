// The Troubleshooting tweaks' handwritten handlers and irregular data through the
// application core; what every declaration does with regular data (quoted and
// "%SystemRoot%" paths included) is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

const std::string kApplet = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";
const std::string kNew = "Directory\\Background\\shellex\\ContextMenuHandlers\\New";
const std::string kTerminal = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server";
const std::string kAutoRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer";

using TroubleshootingTest = TweakTest;

TEST_F(TroubleshootingTest, RemoteAssistanceShowsOnlyWhatATickedBoxWritesAndIsForXpOnly) {
    Load("[HKLM\\" + kTerminal +
         "]\n\"AllowTSConnections\"=dword:1\n\"fDenyTSConnections\"=dword:1\n"
         "\"fAllowToGetHelp\"=dword:1\n");
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
    for (bool allow : {true, false}) {
        Check(allow);
        Apply();
        EXPECT_EQ(Get(kTerminal, "AllowTSConnections"), DwordValue(allow));
        EXPECT_EQ(Get(kTerminal, "fDenyTSConnections"), DwordValue(!allow));
        EXPECT_EQ(Get(kTerminal, "fAllowToGetHelp"), DwordValue(allow));
        Show(301);
        EXPECT_EQ(Checked(), allow);
    }
}

TEST_F(TroubleshootingTest, CdRomAutoRunChangesOnlyItsOwnBit) {
    Show(303);
    EXPECT_TRUE(Checked()) << "no value is no bit";
    Apply();
    EXPECT_FALSE(KeyCreated());
    const std::pair<const char*, std::pair<bool, std::uint32_t>> cases[] = {
        {"-", {false, 0x20}},
        {"-", {true, 0}},
        {"dword:95", {false, 0xB5}},
        {"dword:ff", {true, 0xDF}}};
    for (const auto& [stored, applied] : cases) {
        Load("[HKLM\\" + kAutoRun + "]\n\"NoDriveTypeAutoRun\"=" + stored + "\n");
        Show(303);
        Check(applied.first);
        Apply();
        EXPECT_EQ(Get(kAutoRun, "NoDriveTypeAutoRun"), DwordValue(applied.second)) << stored;
    }
}

TEST_F(TroubleshootingTest, NewHandlerMatchesInAnyCaseAndAKeyWithSubkeysStaysAndIsReported) {
    Load("[HKCR\\" + kNew + "]\n@=\"{d969a300-e7ff-11d0-a93b-00a0c90f2719}\"\n[HKCR\\" + kNew +
         "\\Sub]\n");
    Show(289);
    EXPECT_TRUE(Checked());
    Apply();
    EXPECT_EQ(Get(kNew, "", hive::ClassesRoot), SzValue("{D969A300-E7FF-11d0-A93B-00A0C90F2719}"));
    Check(false);
    Apply();
    ExpectAlert("Tallowick could not change the registry key HKEY_CLASSES_ROOT\\" + kNew +
                ". You may need administrator rights to change this setting.");
    EXPECT_TRUE(KeyExists(registry, hive::ClassesRoot, kNew));
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

    const std::string explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
    const std::pair<OsVersion, const char*> versions[] = {{kWin95, "StuckRects"},
                                                          {kWin98, "StuckRects"},
                                                          {kWinMe, "StuckRects2"},
                                                          {kWinXP, "StuckRects2"}};
    for (const auto& [version, key] : versions) {
        Load("[HKCU\\" + explorer + "StuckRects]\n[HKCU\\" + explorer + "StuckRects2]\n");
        host.version = version;
        Show(294);
        Check(true);
        Apply();
        EXPECT_EQ(Changes(registry), Lines{"DeleteKey HKEY_CURRENT_USER\\" + explorer + key});
    }
}

TEST_F(TroubleshootingTest, RegistryEditorRepairDeletesTheSavedStateAndDatesOnlyTheSelectedNode) {
    const std::string key = "HKEY_CURRENT_USER\\" + kApplet;
    Load("[HKCU\\" + kApplet + "]\n\"View\"=hex:2c,00\n\"LastKey\"=\"x\"\n");
    Show(293);  // left clear: nothing is done, but the date is recorded
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(293), kToday);
    EXPECT_EQ(DateOf(28), kEarlier);
    Show(28);
    Check(true);
    Apply();
    // FindFlags is already gone: the other values are deleted all the same.
    EXPECT_EQ(Changes(registry),
              (Lines{"DeleteValue " + key + " : FindFlags -> 2",
                     "DeleteValue " + key + " : LastKey", "DeleteValue " + key + " : View"}));
}

}  // namespace
}  // namespace tallowick
