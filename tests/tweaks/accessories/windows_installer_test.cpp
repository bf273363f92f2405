#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kInstaller = "Software\\Policies\\Microsoft\\Windows\\Installer";
constexpr const char* kMirror =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Group Policy Objects\\LocalMachine";
const std::string kMirroredInstaller = std::string(kMirror) + "\\" + kInstaller;

const char* const kHeader = "Windows Registry Editor Version 5.00\n\n";

class WindowsInstallerTest : public TweakTest {
  protected:
    std::string Mirror() { return Export(hive::CurrentUser, kMirror); }
    std::string MachineInstaller() { return Export(hive::LocalMachine, kInstaller); }
};

TEST_F(WindowsInstallerTest, DisableInstallerShowsTheMachinesChoiceAndWritesItToBothPlaces) {
    Load(std::string("[HKLM\\") + kInstaller + "]\n\"DisableMSI\"=dword:00000002\n[HKCU\\" +
         kMirror + "]\n");
    EXPECT_EQ(Show(39),
              "MainDialog (102)\n"
              "  1016 button \"Apply Changes\"\n"
              "ComboCheckPage (172)\n"
              "  1006 static \"Disable Windows Installer:\\n" +
                  core.Catalogue()[39].description +
                  "\"\n"
                  "  1014 static \"Disable Windows Installer:\"\n"
                  "  1021 combo \"Always disable Windows Installer\" sel 2 of 3: \"Never disable "
                  "Windows Installer\", \"Disable for non-managed applications only\", \"Always "
                  "disable Windows Installer\"\n"
                  "  1024 static \"Note:\\n\\tYou may need to restart or log out of Windows for "
                  "the change to take effect.\"\n");
    pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, 1);
    Apply();
    EXPECT_EQ(MachineInstaller(), std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\" + kInstaller +
                                      "]\n\"DisableMSI\"=dword:00000001\n\n");
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kMirroredInstaller, "DisableMSI"),
              DwordValue(1));
    EXPECT_EQ(DateOf(39), kToday);

    // The machine's key and the mirror key are opened, never created; the installer's path
    // below the mirror is.
    Load(std::string("[-HKLM\\") + kInstaller + "]\n[-HKCU\\" + kMirror + "\\Software]\n");
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{"Create HKEY_CURRENT_USER\\" + kMirroredInstaller,
                     "Set HKEY_CURRENT_USER\\" + kMirroredInstaller + " : DisableMSI"}));
    Load(std::string("[-HKCU\\") + kMirror + "]\n");
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
}

TEST_F(WindowsInstallerTest, DisableInstallerWithNoChoiceRemovesOnlyWhatIsLeftEmpty) {
    const std::string windows = std::string(kMirror) + "\\Software\\Policies\\Microsoft\\Windows";
    // Alone in the mirror: the whole chain goes, the mirror key stays.
    Load(std::string("[HKLM\\") + kInstaller +
         "]\n\"DisableMSI\"=dword:00000001\n\"Other\"=dword:00000001\n[HKCU\\" +
         kMirroredInstaller + "]\n\"DisableMSI\"=dword:00000001\n");
    EXPECT_NE(Show(39).find("sel 1 of 3"), std::string::npos);
    pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, -1);
    Apply();
    EXPECT_EQ(MachineInstaller(), std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\" + kInstaller +
                                      "]\n\"Other\"=dword:00000001\n\n");
    EXPECT_EQ(Mirror(), std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kMirror + "]\n\n");
    EXPECT_EQ(DateOf(39), kToday);

    // Another policy beside the installer's keeps its keys; a value left in Installer keeps
    // Installer and everything above it.
    Load(std::string("[HKCU\\") + kMirroredInstaller + "]\n\"DisableMSI\"=dword:00000001\n[HKCU\\" +
         windows + "\\System]\n\"DisableCMD\"=dword:00000001\n");
    Apply();
    EXPECT_EQ(Mirror(), std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kMirror +
                            "]\n\n[HKEY_CURRENT_USER\\" + kMirror +
                            "\\Software]\n\n[HKEY_CURRENT_USER\\" + kMirror +
                            "\\Software\\Policies]\n\n[HKEY_CURRENT_USER\\" + kMirror +
                            "\\Software\\Policies\\Microsoft]\n\n[HKEY_CURRENT_USER\\" + windows +
                            "]\n\n[HKEY_CURRENT_USER\\" + windows +
                            "\\System]\n\"DisableCMD\"=dword:00000001\n\n");
    Load(std::string("[HKCU\\") + kMirroredInstaller +
         "]\n\"DisableMSI\"=dword:00000001\n\"Logging\"=\"voicewarmup\"\n");
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kMirroredInstaller, "DisableMSI"),
              std::nullopt);
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kMirroredInstaller, "Logging"),
              SzValue("voicewarmup"));
}

TEST_F(WindowsInstallerTest, RemoteAdministrationNeedsTheInstallerKeyAnd2000OrXp) {
    Load(std::string("[HKLM\\") + kInstaller + "]\n\"EnableAdminTSRemote\"=dword:00000001\n");
    EXPECT_NE(
        Show(40).find("1013 checkbox [x] \"Enable Remote Administration of Windows Installer\""),
        std::string::npos);
    pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, false);
    host.version = kWinNT4;
    Apply();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "These Tweak active only on Windows 2000/XP");
    EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
    EXPECT_TRUE(pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck));  // flipped back
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(40), kEarlier);

    pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, false);
    host.version = kWin2000;
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kInstaller, "EnableAdminTSRemote"),
              DwordValue(0));
    EXPECT_EQ(DateOf(40), kToday);

    Load(std::string("[-HKLM\\") + kInstaller + "]\n");
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_FALSE(KeyExists(registry, hive::LocalMachine, kInstaller));
}

TEST_F(WindowsInstallerTest, LoggingIsCheckedOnlyWhenBothPlacesHaveIt) {
    const std::string bothPlaces = std::string("[HKLM\\") + kInstaller +
                                   "]\n\"Logging\"=\"iwe\"\n[HKCU\\" + kMirroredInstaller +
                                   "]\n\"Logging\"=\"v\"\n";
    Load(bothPlaces);
    EXPECT_EQ(Show(41),
              "MainDialog (102)\n"
              "  1016 button \"Apply Changes\"\n"
              "ListPage (106)\n"
              "  1006 static \"Windows Installer Logging:\\n" +
                  core.Catalogue()[41].description +
                  "\"\n"
                  "  1007 list columns \"Letter\" 99, \"Option\" 277\n"
                  "    0 \"v\" | \"Verbose output\"\n"
                  "    1 \"o\" | \"Out-of-disk-space messages\"\n"
                  "    2 \"i\" | \"Status messages\"\n"
                  "    3 \"c\" | \"Initial UI parameters\"\n"
                  "    4 \"e\" | \"All error messages\"\n"
                  "    5 \"w\" | \"Non-fatal warnings\"\n"
                  "    6 \"a\" | \"Start up of actions\"\n"
                  "    7 \"r\" | \"Action-specific records\"\n"
                  "    8 \"m\" | \"Out-of-memory or fatal exit information\"\n"
                  "    9 \"u\" | \"User requests\"\n"
                  "    10 \"p\" | \"Terminal properties\"\n"
                  "    11 \"+\" | \"Append to existing file\"\n"
                  "    12 \"!\" | \"Flush each line to the log\"\n"
                  "  1013 checkbox [x] \"Check it to a Combination of the Letters below to Enable "
                  "the Logging Options\"\n");
    for (const char* missing : {"HKLM", "HKCU"}) {
        Load(bothPlaces + "[" + missing + "\\" +
             (missing[2] == 'L' ? std::string(kInstaller) : kMirroredInstaller) +
             "]\n\"Logging\"=-\n");
        EXPECT_NE(Show(41).find("1013 checkbox [ ]"), std::string::npos) << missing;
    }
}

TEST_F(WindowsInstallerTest, LoggingOnWritesTheFullSetToBothPlaces) {
    Load(std::string("[HKLM\\") + kInstaller + "]\n[HKCU\\" + kMirror + "]\n");
    Show(41);
    pages.ListSetSelected(PageId::ListPage, ctl::List, 3);  // the rows are for reading only
    pages.SetCheck(PageId::ListPage, ctl::MainCheck, true);
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kInstaller, "Logging"),
              SzValue("voicewarmup"));
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kMirroredInstaller, "Logging"),
              SzValue("voicewarmup"));
    EXPECT_EQ(DateOf(41), kToday);
}

TEST_F(WindowsInstallerTest, LoggingOffLeavesTheMirrorsOtherPoliciesAlone) {
    const std::string software = std::string(kMirror) + "\\Software";
    Load(std::string("[HKLM\\") + kInstaller +
         "]\n\"Logging\"=\"voicewarmup\"\n\"DisableMSI\"=dword:00000001\n[HKCU\\" +
         kMirroredInstaller + "]\n\"Logging\"=\"voicewarmup\"\n[HKCU\\" + software +
         "\\Policies\\Microsoft\\Windows NT\\Terminal Services]\n\"fDenyTSConnections\"=dword:"
         "00000001\n");
    Show(41);
    pages.SetCheck(PageId::ListPage, ctl::MainCheck, false);
    Apply();
    EXPECT_EQ(MachineInstaller(), std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\" + kInstaller +
                                      "]\n\"DisableMSI\"=dword:00000001\n\n");
    // Installer and Windows were left empty and went; Microsoft still holds Windows NT.
    EXPECT_EQ(Export(hive::CurrentUser, software),
              std::string(kHeader) + "[HKEY_CURRENT_USER\\" + software +
                  "]\n\n[HKEY_CURRENT_USER\\" + software + "\\Policies]\n\n[HKEY_CURRENT_USER\\" +
                  software + "\\Policies\\Microsoft]\n\n[HKEY_CURRENT_USER\\" + software +
                  "\\Policies\\Microsoft\\Windows NT]\n\n[HKEY_CURRENT_USER\\" + software +
                  "\\Policies\\Microsoft\\Windows NT\\Terminal Services]\n"
                  "\"fDenyTSConnections\"=dword:00000001\n\n");
    EXPECT_EQ(DateOf(41), kToday);

    // With nothing else there, the chain goes up to the mirror key.
    Load(std::string("[-HKCU\\") + software + "\\Policies\\Microsoft\\Windows NT]\n[HKCU\\" +
         kMirroredInstaller + "]\n\"Logging\"=\"voicewarmup\"\n");
    Apply();
    EXPECT_EQ(Mirror(), std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kMirror + "]\n\n");
}

}  // namespace
}  // namespace tallowick
