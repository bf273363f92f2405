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

using WindowsInstallerTest = TweakTest;

TEST_F(WindowsInstallerTest, DisableInstallerCreatesOnlyBelowTheMirror) {
    // The machine's key and the mirror key are opened, never created; the installer's path
    // below the mirror is.
    Load(std::string("[HKCU\\") + kMirror + "]\n");
    Show(39);
    pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, 1);
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{"Create HKEY_CURRENT_USER\\" + kMirroredInstaller,
                     "Set HKEY_CURRENT_USER\\" + kMirroredInstaller + " : DisableMSI"}));
    EXPECT_EQ(DateOf(39), kToday);
}

TEST_F(WindowsInstallerTest, RemovingAPolicyTakesOnlyTheMirrorKeysLeftEmpty) {
    const std::string software = std::string(kMirror) + "\\Software";
    Load(std::string("[HKLM\\") + kInstaller +
         "]\n\"Logging\"=\"voicewarmup\"\n\"DisableMSI\"=dword:00000001\n[HKCU\\" +
         kMirroredInstaller + "]\n\"Logging\"=\"voicewarmup\"\n\"DisableMSI\"=dword:00000001\n" +
         "[HKCU\\" + software +
         "\\Policies\\Microsoft\\Windows NT\\Terminal Services]\n\"fDenyTSConnections\"=dword:"
         "00000001\n");
    Show(41);
    pages.SetCheck(PageId::ListPage, ctl::MainCheck, false);
    Apply();
    // Only Logging goes: DisableMSI keeps Installer in both places.
    EXPECT_EQ(Export(hive::LocalMachine, kInstaller), std::string(kHeader) +
                                                          "[HKEY_LOCAL_MACHINE\\" + kInstaller +
                                                          "]\n\"DisableMSI\"=dword:00000001\n\n");
    EXPECT_EQ(Export(hive::CurrentUser, kMirroredInstaller),
              std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kMirroredInstaller +
                  "]\n\"DisableMSI\"=dword:00000001\n\n");
    EXPECT_EQ(DateOf(41), kToday);

    EXPECT_NE(Show(39).find("sel 1 of 3"), std::string::npos);
    pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, -1);
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kInstaller, "DisableMSI"), std::nullopt);
    // Installer and Windows were left empty and went; Microsoft still holds Windows NT.
    EXPECT_EQ(Export(hive::CurrentUser, software),
              std::string(kHeader) + "[HKEY_CURRENT_USER\\" + software +
                  "]\n\n[HKEY_CURRENT_USER\\" + software + "\\Policies]\n\n[HKEY_CURRENT_USER\\" +
                  software + "\\Policies\\Microsoft]\n\n[HKEY_CURRENT_USER\\" + software +
                  "\\Policies\\Microsoft\\Windows NT]\n\n[HKEY_CURRENT_USER\\" + software +
                  "\\Policies\\Microsoft\\Windows NT\\Terminal Services]\n"
                  "\"fDenyTSConnections\"=dword:00000001\n\n");
    EXPECT_EQ(DateOf(39), kToday);

    // With nothing else there, the chain goes up to the mirror key, which stays.
    Load(std::string("[-HKCU\\") + software + "\\Policies\\Microsoft\\Windows NT]\n[HKCU\\" +
         kMirroredInstaller + "]\n\"Logging\"=\"voicewarmup\"\n");
    Show(41);
    Apply();
    EXPECT_EQ(Export(hive::CurrentUser, kMirror),
              std::string(kHeader) + "[HKEY_CURRENT_USER\\" + kMirror + "]\n\n");
}

TEST_F(WindowsInstallerTest, LoggingIsCheckedOnlyWhenBothPlacesHaveIt) {
    const std::string bothPlaces = std::string("[HKLM\\") + kInstaller +
                                   "]\n\"Logging\"=\"iwe\"\n[HKCU\\" + kMirroredInstaller +
                                   "]\n\"Logging\"=\"v\"\n";
    Load(bothPlaces);
    Show(41);
    EXPECT_TRUE(pages.IsChecked(PageId::ListPage, ctl::MainCheck)) << "whatever the letters";
    for (const char* missing : {"HKLM", "HKCU"}) {
        Load(bothPlaces + "[" + missing + "\\" +
             (missing[2] == 'L' ? std::string(kInstaller) : kMirroredInstaller) +
             "]\n\"Logging\"=-\n");
        Show(41);
        EXPECT_FALSE(pages.IsChecked(PageId::ListPage, ctl::MainCheck)) << missing;
    }
}

}  // namespace
}  // namespace tallowick
