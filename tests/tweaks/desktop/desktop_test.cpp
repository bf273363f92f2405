// The Desktop tweaks' handwritten handlers and irregular data, through the application
// core; what every declaration does with regular data is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace";
constexpr const char* kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kRecycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder";

class DesktopTest : public TweakTest {
  protected:
    DesktopTest() { usualHive = hive::CurrentUser; }
    // The names of the keys directly below `path`, in the letter case they were made in.
    std::vector<std::string> Subkeys(RegKey root, const std::string& path) {
        std::vector<std::string> names;
        KeyHandle connected(registry), key(registry);
        registry.Connect(root, connected.out());
        if (registry.OpenKey(connected.get(), path.c_str(), access::Read, key.out()) != 0)
            return names;
        char name[300];
        for (std::uint32_t i = 0; registry.EnumKey(key.get(), i, name, sizeof name) == 0; ++i)
            names.push_back(name);
        return names;
    }
};

RegValue Bytes(std::vector<std::uint8_t> bytes) {
    return RegValue{regtype::Binary, std::move(bytes)};
}

TEST_F(DesktopTest, DesktopIconsAreClassKeysMadeAndRemovedInWindowsOwnLetterCase) {
    Show(80);
    Apply();
    EXPECT_FALSE(KeyCreated()) << "no NameSpace key, nothing made";
    EXPECT_EQ(DateOf(80), kToday);

    Load(std::string("[HKLM\\") + kNameSpace +
         "\\{D20EA4E1-3957-11D2-A40B-0C5020524152}]\n[HKLM\\" + kNameSpace +
         "\\{645FF040-5081-101B-9F08-00AA002F954E}\\Extra]\n");
    const std::string shown = Show(80);
    EXPECT_NE(shown.find("1 [x] \"Fonts\""), std::string::npos) << shown;
    EXPECT_NE(shown.find("8 [x] \"Recycle Bin\""), std::string::npos);
    EXPECT_NE(shown.find("0 [ ] \"Administrative Tools\""), std::string::npos);
    EXPECT_EQ(shown.find("1024"), std::string::npos) << "no note";
    pages.ListSetCheckState(PageId::ValueListPage, ctl::ValueList, 1, false);
    pages.ListSetCheckState(PageId::ValueListPage, ctl::ValueList, 7, true);
    pages.ListSetCheckState(PageId::ValueListPage, ctl::ValueList, 8, false);
    Apply();
    // A key with subkeys of its own stays: the delete is not recursive.
    EXPECT_EQ(Subkeys(hive::LocalMachine, kNameSpace),
              (std::vector<std::string>{"{645FF040-5081-101B-9F08-00AA002F954E}",
                                        "{7be9d83c-a729-4d97-b5a7-1b7313c39e0a}"}));
}

TEST_F(DesktopTest, GracePeriodIsATextWrittenOnlyWithAChoiceAndRemovedWhenClear) {
    const std::string seconds = "\"ScreenSaverGracePeriod\"=\"7\"\n";
    Load(std::string("[HKLM\\") + kWinlogon + "]\n" + seconds);
    Show(82);
    EXPECT_TRUE(pages.IsChecked(PageId::CheckComboPage, ctl::MainCheck));
    EXPECT_EQ(pages.ComboGetCurSel(PageId::CheckComboPage, ctl::Combo1), 7);
    EXPECT_TRUE(pages.IsControlEnabled(PageId::CheckComboPage, ctl::Combo1));
    EXPECT_EQ(pages.GetText(PageId::CheckComboPage, ctl::Label1), "Grace Period (Seconds):");

    pages.ComboSetCurSel(PageId::CheckComboPage, ctl::Combo1, 12);
    Apply();
    EXPECT_EQ(Get(kWinlogon, "ScreenSaverGracePeriod", hive::LocalMachine), SzValue("12"));
    // No choice leaves the value; a failed write stays failed rather than turning numeric.
    pages.ComboSetCurSel(PageId::CheckComboPage, ctl::Combo1, -1);
    Apply();
    EXPECT_EQ(Get(kWinlogon, "ScreenSaverGracePeriod", hive::LocalMachine), SzValue("12"));
    registry.FailOn(RegOp::Set, hive::LocalMachine, kWinlogon, 5);
    pages.ComboSetCurSel(PageId::CheckComboPage, ctl::Combo1, 3);
    Apply();
    EXPECT_EQ(Get(kWinlogon, "ScreenSaverGracePeriod", hive::LocalMachine), SzValue("12"));
    EXPECT_EQ(host.messageBoxes.size(), 1u) << "reported as a failed write";
    host.messageBoxes.clear();
    registry.ClearFaults();

    pages.SetCheck(PageId::CheckComboPage, ctl::MainCheck, false);
    Apply();
    EXPECT_EQ(Get(kWinlogon, "ScreenSaverGracePeriod", hive::LocalMachine), std::nullopt);
    Show(82);
    EXPECT_FALSE(pages.IsControlEnabled(PageId::CheckComboPage, ctl::Combo1));

    Load(std::string("[HKLM\\") + kWinlogon + "]\n" + seconds);
    host.version = kWin98;
    pages.SetCheck(PageId::CheckComboPage, ctl::MainCheck, true);
    core.OnApply();
    ExpectAlert("These Tweak active only on Windows NT/2000/XP");
    EXPECT_TRUE(pages.IsChecked(PageId::CheckComboPage, ctl::MainCheck)) << "left as it is";
    EXPECT_EQ(Get(kWinlogon, "ScreenSaverGracePeriod", hive::LocalMachine), SzValue("7"));
}

TEST_F(DesktopTest, MyDocumentsChangesOneBitUnderTheKeyOfTheRunningFamily) {
    const std::string nt = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    const std::string folder = "\\CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}\\ShellFolder";
    Load("[HKCU\\" + nt + "]\n[HKLM\\" + nt + "]\n[HKCU\\Software\\Classes]\n[HKLM\\" + nt +
         folder + "]\n\"Attributes\"=dword:00100001\n");
    Show(90);
    EXPECT_FALSE(Checked()) << "no value under the user's key";
    EXPECT_TRUE(Checked(ctl::SecondCheck)) << "bit 20 of the machine's";
    Check(true);
    Check(false, ctl::SecondCheck);
    Apply();
    EXPECT_EQ(Get(nt + folder, "Attributes"), DwordValue(0xF0500174)) << "missing: the constant";
    EXPECT_EQ(Get(nt + folder, "Attributes", hive::LocalMachine), DwordValue(1)) << "bit only";

    host.version = kWin98;
    Apply();
    const std::string classes = "Software\\Classes" + folder;
    EXPECT_EQ(Get(classes, "Attributes"), DwordValue(0xF0500174));
    EXPECT_EQ(Get(classes, "Attributes", hive::LocalMachine), DwordValue(0xF0400174));
}

TEST_F(DesktopTest, RecycleBinSetsTheRenameAndDeleteBitsOfItsOwnMask) {
    const std::pair<std::pair<bool, bool>, std::uint8_t> patterns[] = {
        {{false, false}, 0x40}, {{true, false}, 0x50}, {{false, true}, 0x60}, {{true, true}, 0x70}};
    for (const auto& [boxes, first] : patterns) {
        Load("[-HKCR\\CLSID]\n");
        Show(91);
        Check(boxes.first);
        Check(boxes.second, ctl::SecondCheck);
        Apply();
        EXPECT_EQ(
            Get(std::string("Software\\Classes\\") + kRecycleBin, "Attributes", hive::LocalMachine),
            Bytes({first, 0x01, 0x00, 0x20}));
    }
    EXPECT_EQ(Get(std::string("Software\\Classes\\") + kRecycleBin, "CallForAttributes",
                  hive::LocalMachine),
              DwordValue(0));

    Load(std::string("[HKCR\\") + kRecycleBin + "]\n\"Attributes\"=hex:bf,02,03,04,05\n");
    EXPECT_NE(Show(91).find("[x] \"Allow Renaming"), std::string::npos);
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(false);
    Apply();
    EXPECT_EQ(
        Get(std::string("Software\\Classes\\") + kRecycleBin, "Attributes", hive::LocalMachine),
        Bytes({0xAF, 0x02, 0x03, 0x04}));
}

}  // namespace
}  // namespace tallowick
