// The Appearance tweaks' irregular data and handwritten handlers, through the application
// core; what every declaration does with regular data is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kMetrics = "Control Panel\\Desktop\\WindowMetrics";
constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr int kPlacesBarBox = 1028;  // the MultiCheckPage's third checkbox

class AppearanceTest : public TweakTest {
  protected:
    std::optional<RegValue> Get(RegKey root, const std::string& path, const char* name) {
        return ReadValue(registry, root, path, name);
    }
    int Selected(int combo = ctl::Combo1) {
        return pages.ComboGetCurSel(PageId::ComboCheckPage, combo);
    }
    void Select(int index, int combo = ctl::Combo1) {
        pages.ComboSetCurSel(PageId::ComboCheckPage, combo, index);
    }
};

RegValue Bytes(std::vector<std::uint8_t> bytes) {
    return RegValue{regtype::Binary, std::move(bytes)};
}

TEST_F(AppearanceTest, TextSettingsCountOnlyExactlyOneAndFallBackToTheirItem) {
    Load("[HKCU\\Control Panel\\Desktop]\n\"MenuDropAlignment\"=\"1\"\n");
    EXPECT_EQ(Show(53),
              "MainDialog (102)\n  1016 button \"Apply Changes\"\nComboCheckPage (172)\n  1006 "
              "static \"Change the Alignment of Drop-Down Menus:\\n" +
                  core.Catalogue()[53].description +
                  "\"\n  1014 static \"Change the Alignment of Drop-Down Menus:\"\n"
                  "  1021 combo \"Right Alignment\" sel 1 of 2: \"Left Alignment\", \"Right "
                  "Alignment\"\n  1024 static \"Note:\\n\\tRestart or logoff Windows for the "
                  "changes to take effect.\"\n");
    for (const char* other : {" 1", "01", "2"}) {
        const std::string text = std::string("\"") + other + "\"\n";
        Load("[HKCU\\Control Panel\\Desktop]\n\"MenuDropAlignment\"=" + text +
             "[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"MinAnimate\"=" + text +
             "\"IconTitleWrap\"=" + text);
        Show(53);
        EXPECT_EQ(Selected(), 0) << other;
        for (TweakId id : {56u, 67u}) {
            Show(id);
            EXPECT_FALSE(Checked()) << id << other;
        }
    }
    // Any depth other than the three lower ones shows, and is stored, as the highest.
    Load("[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"Shell Icon BPP\"=\"32\"\n");
    Show(65);
    EXPECT_EQ(pages.GetText(PageId::ComboCheckPage, ctl::Combo1), "High(16.7M colors)");
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, kMetrics, "Shell Icon BPP"), SzValue("24"));
}

TEST_F(AppearanceTest, EncryptedFilesColourReadsFourBytesAndStoresBlackWithoutAName) {
    const std::string key = "[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer]\n";
    auto shown = [&](const std::string& value) {
        Load(key + "\"AltEncryptionColor\"=" + value + "\n");
        Show(70);
        return pages.GetText(PageId::ComboCheckPage, ctl::ColourCombo);
    };
    EXPECT_EQ(shown("hex:00,ff,ff,00"), "Aqua") << "the first of two names";
    EXPECT_EQ(shown("hex:00,ff,ff,00,07,08"), "Aqua") << "bytes past the fourth";
    EXPECT_EQ(shown("hex:01,02,03,00"), "");
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, kExplorer, "AltEncryptionColor"), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(DateOf(70), kToday);
}

TEST_F(AppearanceTest, RecycleBinIconsKeepTheWindowsFolderAsSystemRoot) {
    const std::string icons =
        std::string(kExplorer) + "\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
    Show(62);
    Apply();
    EXPECT_FALSE(KeyCreated()) << "a missing key is not made";
    EXPECT_EQ(DateOf(62), kToday);

    Load("[HKCU\\" + icons + "]\n\"Full\"=\"%SystemRoot%\\\\full.ico\"\n");
    Show(62);
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit3), "C:\\WINDOWS\\full.ico");
    Type("C:\\WINDOWS\\a.dll,3;C:\\WINDOWS\\b.ico");
    pages.SetText(PageId::PathEditPage, ctl::Edit2, "c:\\windows\\empty.ico");
    pages.SetText(PageId::PathEditPage, ctl::Edit3, "");
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, icons, ""),
              SzValue("%SystemRoot%\\a.dll,3;%SystemRoot%\\b.ico"));
    EXPECT_EQ(Get(hive::CurrentUser, icons, "Empty"), SzValue("c:\\windows\\empty.ico"));
    EXPECT_EQ(Get(hive::CurrentUser, icons, "Full"), (RegValue{regtype::Sz, {}}));

    // The icon size is left alone when its edit is empty.
    Load("[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"Shell Icon Size\"=\"48\"\n");
    Show(63);
    Type("");
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, kMetrics, "Shell Icon Size"), SzValue("48"));
}

TEST_F(AppearanceTest, FontSmoothingStoresOnlyTheChoiceOfTheRunningFamily) {
    struct Case {
        OsVersion version;
        int index;
        const char* stored;  // nullptr: refused with `alert`
        int alert;
    };
    const Case cases[] = {
        {kWin98, 0, "0", 0},         {kWin98, 1, "1", 0},           {kWin98, 2, nullptr, 2014},
        {kWin98, -1, nullptr, 2014}, {kWin2000, 0, "0", 0},         {kWin2000, 1, nullptr, 2013},
        {kWin2000, 2, "2", 0},       {kWin2000, -1, nullptr, 2014}, {kWinXP, 0, "0", 0},
        {kWinXP, 1, nullptr, 2013},  {kWinXP, 2, "2", 0},           {kWinXP, -1, nullptr, 2014},
    };
    // A refused choice still counts as a change.
    Load("[HKCU\\Control Panel\\Desktop]\n\"FontSmoothing\"=\"2\"\n");
    Show(66);
    EXPECT_EQ(Selected(), 2);
    Select(1);
    Apply();
    EXPECT_EQ(DateOf(66), kToday);
    host.messageBoxes.clear();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.version.minor) + " index " + std::to_string(c.index));
        Load("[HKCU\\Control Panel\\Desktop]\n\"FontSmoothing\"=\"2\"\n");
        host.version = c.version;
        Show(66);
        Select(c.index);
        Apply();
        if (c.stored) {
            EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "FontSmoothing"), SzValue(c.stored));
            EXPECT_TRUE(host.messageBoxes.empty());
        } else {
            EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "FontSmoothing"), SzValue("2"));
            ExpectAlert(BuiltInString(c.alert));
        }
    }
}

TEST_F(AppearanceTest, TooltipsChangeOnlyTheHotTrackingBitOfEveryMaskWhateverItsLength) {
    std::vector<std::uint8_t> longMask(300, 0x5A);
    longMask[0] = 0x9E;
    Load("[HKCU\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=hex:70\n");
    Show(58);
    EXPECT_TRUE(Checked()) << "bit 7 clear";
    WriteValue(registry, hive::CurrentUser, kDesktop, "UserPreferencesMask", Bytes(longMask));
    WriteValue(registry, hive::Users, ".DEFAULT\\Control Panel\\Desktop", "UserPreferencesMask",
               Bytes({0x90, 1, 2, 3, 4}));
    Show(58);
    EXPECT_FALSE(Checked());
    Check(true);
    Apply();
    longMask[0] = 0x1E;
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "UserPreferencesMask"), Bytes(longMask));
    EXPECT_EQ(Get(hive::Users, ".DEFAULT\\Control Panel\\Desktop", "UserPreferencesMask"),
              Bytes({0x10, 1, 2, 3, 4}));
    EXPECT_EQ(DateOf(58), kToday);

    // A missing or empty mask becomes Windows XP's default with the bit as asked.
    Load(
        "[HKCU\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=hex:\n"
        "[HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=-\n");
    Show(58);
    Apply();
    for (RegKey root : {hive::CurrentUser, hive::Users}) {
        EXPECT_EQ(Get(root, root == hive::Users ? ".DEFAULT\\Control Panel\\Desktop" : kDesktop,
                      "UserPreferencesMask"),
                  Bytes({0x9E, 0x3E, 0x07, 0x80, 0x12, 0, 0, 0}));
    }
    // A hive without the key is left without it.
    Load("[-HKEY_USERS\\.DEFAULT\\Control Panel]\n");
    Check(true);
    Apply();
    EXPECT_FALSE(KeyCreated());
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "UserPreferencesMask"),
              Bytes({0x1E, 0x3E, 0x07, 0x80, 0x12, 0, 0, 0}));
}

TEST_F(AppearanceTest, ACombosWithoutSelectionWritesNothingForItsValueAlone) {
    Load(
        "[HKCU\\Control Panel\\Desktop]\n\"FontSmoothingType\"=dword:00000002\n"
        "\"Wallpaperoriginx\"=\"12\"\n\"Wallpaperoriginy\"=\"7000\"\n"
        "[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer]\n"
        "\"ThumbnailSize\"=dword:00000096\n\"ThumbnailQuality\"=dword:0000005a\n"
        "[HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer]\n");
    Show(64);
    Select(-1);
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "FontSmoothingType"), DwordValue(2));
    EXPECT_EQ(DateOf(64), kToday);

    Show(71);
    EXPECT_EQ(Selected(ctl::Combo2), -1) << "an offset no item names";
    Select(40);
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "Wallpaperoriginx"), SzValue("40"));
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "Wallpaperoriginy"), SzValue("7000"));

    Show(72);
    EXPECT_EQ(Selected(), -1) << "a size above 100";
    EXPECT_EQ(Selected(ctl::Combo2), 90);
    Apply();
    EXPECT_EQ(Get(hive::LocalMachine, kExplorer, "ThumbnailSize"), std::nullopt);
    EXPECT_EQ(Get(hive::LocalMachine, kExplorer, "ThumbnailQuality"), DwordValue(90));
    EXPECT_EQ(Get(hive::CurrentUser, kExplorer, "ThumbnailSize"), DwordValue(150));
}

TEST_F(AppearanceTest, DialogPoliciesAreMadeUnderBothHivesFromTheUsersSettings) {
    const std::string policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
    Load("[HKCU\\" + policies + "\\Comdlg32]\n\"NoPlacesBar\"=dword:00000001\n[HKLM\\" + policies +
         "]\n");
    host.version = kWin98;
    Show(76);
    EXPECT_TRUE(Checked(kPlacesBarBox));
    Apply();
    ExpectAlert("These Tweak active only on Windows 2000/Me/XP");
    host.version = kWinMe;
    Apply();
    for (RegKey root : {hive::CurrentUser, hive::LocalMachine}) {
        const std::string comdlg = policies + "\\Comdlg32";
        EXPECT_EQ(Get(root, comdlg, "NoBackButton"), DwordValue(0));
        EXPECT_EQ(Get(root, comdlg, "NoFileMRU"), DwordValue(0));
        EXPECT_EQ(Get(root, comdlg, "NoPlacesBar"), DwordValue(1));
    }
    // Compressed files' colour passes on 2000 although its alert names XP alone.
    Load("[HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced]\n");
    host.version = kWin2000;
    Show(77);
    Check(true);
    Apply();
    EXPECT_EQ(Get(hive::CurrentUser, std::string(kExplorer) + "\\Advanced", "ShowCompColor"),
              DwordValue(1));
    host.version = kWinNT4;
    Apply();
    EXPECT_TRUE(host.messageBoxes.empty());
    host.version = kWinMe;
    Apply();
    ExpectAlert("These Tweak active only on Windows XP");
}

}  // namespace
}  // namespace tallowick
