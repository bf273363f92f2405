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
constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

class AppearanceTest : public TweakTest {
  protected:
    std::optional<RegValue> Get(const std::string& path, const char* name,
                                RegKey root = hive::CurrentUser) {
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
    for (const std::string other : {"\" 1\"\n", "\"01\"\n"}) {
        Load("[HKCU\\Control Panel\\Desktop]\n\"MenuDropAlignment\"=" + other +
             "[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"MinAnimate\"=" + other +
             "\"IconTitleWrap\"=" + other + "\"Shell Icon BPP\"=\"32\"\n");
        Show(53);
        EXPECT_EQ(Selected(), 0) << other;
        for (TweakId id : {56u, 67u})
            EXPECT_EQ(Show(id).find("[x]"), std::string::npos) << id << other;
    }
    // Any depth other than the three lower ones shows, and is stored, as the highest.
    Show(65);
    EXPECT_EQ(pages.GetText(PageId::ComboCheckPage, ctl::Combo1), "High(16.7M colors)");
    Apply();
    EXPECT_EQ(Get(std::string(kDesktop) + "\\WindowMetrics", "Shell Icon BPP"), SzValue("24"));
}

TEST_F(AppearanceTest, EncryptedFilesColourReadsFourBytesAndStoresBlackWithoutAName) {
    auto shown = [&](const std::string& value) {
        Load(std::string("[HKCU\\") + kExplorer + "]\n\"AltEncryptionColor\"=" + value + "\n");
        Show(70);
        return pages.GetText(PageId::ComboCheckPage, ctl::ColourCombo);
    };
    EXPECT_EQ(shown("hex:00,ff,ff,00"), "Aqua") << "the first of two names";
    EXPECT_EQ(shown("hex:00,ff,ff,00,07,08"), "Aqua") << "bytes past the fourth";
    EXPECT_EQ(shown("hex:01,02,03,00"), "");
    Apply();
    EXPECT_EQ(Get(kExplorer, "AltEncryptionColor"), Bytes({0, 0, 0, 0}));
}

TEST_F(AppearanceTest, ActiveLinkColourReadsThreeNumbersAndRefusesOverflow) {
    auto shown = [&](const std::string& value) {
        Load("[HKCU\\Control Panel\\Colors]\n\"HotTrackingColor\"=\"" + value + "\"\n");
        Show(68);
        return pages.GetText(PageId::ComboCheckPage, ctl::ColourCombo);
    };
    EXPECT_EQ(shown("0 255 255"), "Aqua");
    EXPECT_EQ(shown(" 0  255\t255"), "Aqua") << "blanks of any width";
    EXPECT_EQ(shown("4294967296 255 255"), "") << "not wrapped to 0";
    EXPECT_EQ(shown("0 255 255 1"), "");
    EXPECT_EQ(shown("0 255 256"), "");
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
    EXPECT_EQ(Get(icons, ""), SzValue("%SystemRoot%\\a.dll,3;%SystemRoot%\\b.ico"));
    EXPECT_EQ(Get(icons, "Empty"), SzValue("c:\\windows\\empty.ico"));
    EXPECT_EQ(Get(icons, "Full"), (RegValue{regtype::Sz, {}}));

    // The icon size is left alone when its edit is empty.
    Load("[HKCU\\Control Panel\\Desktop\\WindowMetrics]\n\"Shell Icon Size\"=\"48\"\n");
    Show(63);
    Type("");
    Apply();
    EXPECT_EQ(Get(std::string(kDesktop) + "\\WindowMetrics", "Shell Icon Size"), SzValue("48"));
}

TEST_F(AppearanceTest, FontSmoothingStoresOnlyTheChoiceOfTheRunningFamily) {
    // Per version: what each of items 0, 1, 2 and no selection stores, or the alert shown.
    const std::pair<OsVersion, std::vector<const char*>> cases[] = {
        {kWin98, {"0", "1", "2014", "2014"}},
        {kWin2000, {"0", "2013", "2", "2014"}},
        {kWinXP, {"0", "2013", "2", "2014"}}};
    for (const auto& [version, results] : cases) {
        // The first choice refused still counts as a change.
        EXPECT_EQ(DateOf(66), version.minor == 10 ? kEarlier : kToday);
        host.version = version;
        for (int index = -1; index < 3; ++index) {
            const std::string expected = results[index < 0 ? 3 : index];
            SCOPED_TRACE(std::to_string(version.minor) + " item " + std::to_string(index));
            Load(
                "[-HKCU\\Control Panel]\n[HKCU\\Control Panel\\Desktop]\n"
                "\"FontSmoothing\"=\"2\"\n");
            Show(66);
            EXPECT_EQ(Selected(), 2);
            Select(index);
            Apply();
            if (expected.size() == 1) {
                EXPECT_EQ(Get(kDesktop, "FontSmoothing"), SzValue(expected));
                EXPECT_TRUE(host.messageBoxes.empty());
            } else {
                EXPECT_EQ(Get(kDesktop, "FontSmoothing"), SzValue("2"));
                ExpectAlert(BuiltInString(std::stoi(expected)));
            }
        }
    }
}

TEST_F(AppearanceTest, TooltipsChangeOnlyTheHotTrackingBitOfEveryMaskWhateverItsLength) {
    const std::string defaultUser = ".DEFAULT\\Control Panel\\Desktop";
    std::vector<std::uint8_t> longMask(300, 0x5A);
    Load("[HKCU\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=hex:70\n");
    EXPECT_NE(Show(58).find("[x]"), std::string::npos) << "bit 7 clear";
    longMask[0] = 0x9E;
    WriteValue(registry, hive::CurrentUser, kDesktop, "UserPreferencesMask", Bytes(longMask));
    WriteValue(registry, hive::Users, defaultUser, "UserPreferencesMask",
               Bytes({0x90, 1, 2, 3, 4}));
    EXPECT_EQ(Show(58).find("[x]"), std::string::npos);
    Check(true);
    Apply();
    longMask[0] = 0x1E;
    EXPECT_EQ(Get(kDesktop, "UserPreferencesMask"), Bytes(longMask));
    EXPECT_EQ(Get(defaultUser, "UserPreferencesMask", hive::Users), Bytes({0x10, 1, 2, 3, 4}));
    EXPECT_EQ(DateOf(58), kToday);

    // A missing or empty mask becomes Windows XP's default with the bit as asked; a hive
    // without the key is left without it.
    Load(
        "[HKCU\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=hex:\n"
        "[HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop]\n\"UserPreferencesMask\"=-\n");
    Check(false);
    Apply();
    const RegValue xpDefault = Bytes({0x9E, 0x3E, 0x07, 0x80, 0x12, 0, 0, 0});
    EXPECT_EQ(Get(kDesktop, "UserPreferencesMask"), xpDefault);
    EXPECT_EQ(Get(defaultUser, "UserPreferencesMask", hive::Users), xpDefault);
    Load("[-HKEY_USERS\\.DEFAULT\\Control Panel]\n");
    Apply();
    EXPECT_FALSE(KeyCreated());
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
    EXPECT_EQ(Get(kDesktop, "FontSmoothingType"), DwordValue(2));
    EXPECT_EQ(DateOf(64), kToday);

    Show(71);
    EXPECT_EQ(Selected(ctl::Combo2), -1) << "an offset no item names";
    Select(40);
    Apply();
    EXPECT_EQ(Get(kDesktop, "Wallpaperoriginx"), SzValue("40"));
    EXPECT_EQ(Get(kDesktop, "Wallpaperoriginy"), SzValue("7000"));

    Show(72);
    EXPECT_EQ(Selected(), -1) << "a size above 100";
    EXPECT_EQ(Selected(ctl::Combo2), 90);
    Apply();
    EXPECT_EQ(Get(kExplorer, "ThumbnailSize", hive::LocalMachine), std::nullopt);
    EXPECT_EQ(Get(kExplorer, "ThumbnailQuality", hive::LocalMachine), DwordValue(90));
    EXPECT_EQ(Get(kExplorer, "ThumbnailSize"), DwordValue(150));
}

TEST_F(AppearanceTest, DialogPoliciesAreMadeUnderBothHivesFromTheUsersSettings) {
    const std::string policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
    Load("[HKCU\\" + policies + "\\Comdlg32]\n\"NoPlacesBar\"=dword:00000001\n[HKLM\\" + policies +
         "]\n");
    host.version = kWinMe;
    Show(76);
    Apply();
    for (RegKey root : {hive::CurrentUser, hive::LocalMachine}) {
        EXPECT_EQ(Get(policies + "\\Comdlg32", "NoBackButton", root), DwordValue(0));
        EXPECT_EQ(Get(policies + "\\Comdlg32", "NoFileMRU", root), DwordValue(0));
        EXPECT_EQ(Get(policies + "\\Comdlg32", "NoPlacesBar", root), DwordValue(1));
    }
    // Compressed files' colour passes on 2000 although its alert names XP alone.
    Load(std::string("[HKCU\\") + kExplorer + "\\Advanced]\n");
    host.version = kWin2000;
    Show(77);
    Check(true);
    Apply();
    EXPECT_EQ(Get(std::string(kExplorer) + "\\Advanced", "ShowCompColor"), DwordValue(1));
    host.version = kWinMe;
    Apply();
    ExpectAlert("These Tweak active only on Windows XP");
}

}  // namespace
}  // namespace tallowick
