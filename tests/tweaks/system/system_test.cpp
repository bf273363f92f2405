// The System tweaks' handwritten handlers and irregular data through the application core:
// settings a page cannot show are left as they are, the File Protection policy key goes
// only when empty, and the shared keyboard map keeps other remappings. What every
// declaration does with regular data is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kTime = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
constexpr const char* kPolicy =
    "SOFTWARE\\Policies\\Microsoft\\Windows NT\\Windows File Protection";
constexpr const char* kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kKeyboard = "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
constexpr const char* kPower = "Control Panel\\PowerCfg";

class SystemTest : public TweakTest {
  protected:
    int Selected(int combo, PageId page = PageId::EditComboPage) {
        return pages.ComboGetCurSel(page, combo);
    }
    void Select(int combo, int item, PageId page = PageId::EditComboPage) {
        pages.ComboSetCurSel(page, combo, item);
    }
    std::string Machine() { return Export(hive::LocalMachine, ""); }
};

TEST_F(SystemTest, SettingsThePagesCannotShowAreLeftAsTheyAre) {
    // Started with Windows (2), a period, source, type, mode and size no item stands for,
    // and a File Protection cache of every file.
    Load(std::string("[HKLM\\SYSTEM\\CurrentControlSet\\Services\\upnphost]\n\"Start\"=dword:2\n"
                     "[HKLM\\SYSTEM\\CurrentControlSet\\Services\\SSDPSRV]\n\"Start\"=dword:4\n"
                     "[HKLM\\SYSTEM\\CurrentControlSet\\Services\\Messenger]\n\"Start\"=dword:1\n"
                     "[HKLM\\SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters]\n"
                     "\"Size\"=dword:9\n[HKLM\\") +
         kTime +
         "]\n\"NtpServer\"=\"a,0x1\"\n\"Period\"=dword:7\n\"ReliableTimeSource\"=dword:2\n" +
         "\"Type\"=\"NT5DS\"\n[HKLM\\" + kWinlogon + "]\n\"SfcQuota\"=dword:ffffffff\n");
    const std::string before = Machine();
    for (TweakId id : {243u, 241u, 247u, 249u, 251u}) {
        Show(id);
        Apply();
        EXPECT_EQ(Machine(), before) << id;
    }
    EXPECT_EQ(Edit(ctl::Edit2), "-1");
    EXPECT_EQ(DateOf(249), kToday);
    EXPECT_EQ(DateOf(251), kEarlier);
    Show(243);
    EXPECT_FALSE(Checked());
    EXPECT_TRUE(Checked(ctl::SecondCheck));
}

TEST_F(SystemTest, FileProtectionPolicyKeyGoesOnlyWhenNothingIsLeftInIt) {
    const std::string policy = "[HKLM\\" + std::string(kPolicy) + "]\n";
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {"\"SFCShowProgress\"=dword:1\n", true},
        {"[HKLM\\" + std::string(kPolicy) + "\\Subkey]\n", true}};
    for (const auto& [also, stays] : cases) {
        Load("[-HKLM\\SOFTWARE\\Policies]\n" + policy + "\"SFCScan\"=dword:1\n" +
             "\"SFCDllCacheDir\"=\"x\"\n" + also + "[HKLM\\" + kWinlogon +
             "]\n\"SFCScan\"=dword:1\n");
        Show(254);
        Select(ctl::Combo1, -1, PageId::ComboCheckPage);
        Apply();
        Show(255);
        Type(ctl::Edit1, "");
        Apply();
        EXPECT_EQ(KeyExists(registry, hive::LocalMachine, kPolicy), stays) << also;
        EXPECT_TRUE(KeyExists(registry, hive::LocalMachine, "SOFTWARE\\Policies\\Microsoft"));
        EXPECT_EQ(Get(kWinlogon, "SFCScan"), std::nullopt);
    }
}

TEST_F(SystemTest, WindowsKeysChangeOnlyTheirOwnEntriesOfTheKeyboardMap) {
    auto map = [](std::vector<std::uint32_t> entries) {
        std::vector<std::uint8_t> bytes(8, 0);
        entries.insert(entries.begin(), static_cast<std::uint32_t>(entries.size() + 1));
        entries.push_back(0);
        for (std::uint32_t entry : entries) {
            const auto four = DwordBytes(entry);
            bytes.insert(bytes.end(), four.begin(), four.end());
        }
        return RegValue{regtype::Binary, bytes};
    };
    const std::uint32_t caps = 0x003A001D, left = 0xE05B0000, right = 0xE05C0000;
    const std::uint32_t rightToMenu = 0xE05CE05D;
    Load("[HKLM\\" + std::string(kKeyboard) + "]\n");
    struct Step {
        std::optional<RegValue> stored;
        bool shown, ticked;
        std::optional<RegValue> after;
    };
    const Step steps[] = {{std::nullopt, false, true, map({left, right})},
                          {map({caps}), false, true, map({caps, left, right})},
                          {map({caps, rightToMenu}), false, true, map({caps, left, right})},
                          {map({left, caps, right}), true, false, map({caps})},
                          {map({left, rightToMenu}), false, false, map({rightToMenu})},
                          {map({left, right}), true, false, std::nullopt},
                          // Not a map Windows would take: replaced, or removed.
                          {RegValue{regtype::Binary, {0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0}}, false,
                           true, map({left, right})},
                          {RegValue{regtype::Binary, {1, 2, 3}}, false, false, std::nullopt}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::PrintToString(s.stored));
        registry.DeleteValueAt(hive::LocalMachine, kKeyboard, "Scancode Map");
        if (s.stored)
            WriteValue(registry, hive::LocalMachine, kKeyboard, "Scancode Map", *s.stored);
        Show(264);
        EXPECT_EQ(Checked(), s.shown);
        Check(s.ticked);
        Apply();
        EXPECT_EQ(Get(kKeyboard, "Scancode Map"), s.after);
    }
    EXPECT_EQ(map({left, right}).data.size(), 24u);

    host.version = kWinMe;
    Check(true);
    Apply();
    ExpectAlert("These Tweak active only on Windows NT/2000/XP");
    EXPECT_EQ(Get(kKeyboard, "Scancode Map"), std::nullopt);
    EXPECT_TRUE(Checked());
}

TEST_F(SystemTest, PowerSchemeIsReadAsTextAndKeepsEachHivesType) {
    Load("[HKCU\\" + std::string(kPower) + "]\n\"CurrentPowerPolicy\"=\"3\"\n[HKU\\.DEFAULT\\" +
         kPower + "]\n\"CurrentPowerPolicy\"=dword:0\n");
    const std::string user = Export(hive::CurrentUser, kPower);
    Show(257);
    EXPECT_EQ(Selected(ctl::Combo1, PageId::ComboCheckPage), 3);
    Select(ctl::Combo1, -1, PageId::ComboCheckPage);
    Apply();
    EXPECT_EQ(Export(hive::CurrentUser, kPower), user);
    Select(ctl::Combo1, 5, PageId::ComboCheckPage);
    Apply();
    EXPECT_EQ(Get(kPower, "CurrentPowerPolicy", hive::CurrentUser), SzValue("5"));
    const std::string defaultUser = std::string(".DEFAULT\\") + kPower;
    EXPECT_EQ(Get(defaultUser, "CurrentPowerPolicy", hive::Users), DwordValue(5));
    registry.DeleteValueAt(hive::Users, defaultUser.c_str(), "CurrentPowerPolicy");
    Apply();
    EXPECT_EQ(Get(defaultUser, "CurrentPowerPolicy", hive::Users), SzValue("5"));
}

TEST_F(SystemTest, ShownOnlyLimitedAndListPages) {
    // The update server is only shown: no Apply, nothing written, no date.
    Load(
        "[HKLM\\Software\\Policies\\Microsoft\\Windows\\WindowsUpdate]\n"
        "\"WUStatusServer\"=\"http://wsus\"\n[HKLM\\Software\\Policies\\Microsoft\\Windows\\"
        "WindowsUpdate\\AU]\n\"UseWUServer\"=dword:0\n"
        "[HKLM\\SYSTEM\\CurrentControlSet\\Control\\Windows]\n\"ErrorMode\"=dword:2\n");
    Show(259);
    EXPECT_FALSE(pages.IsControlVisible(PageId::MainDialog, kApplyChangesButton));
    EXPECT_TRUE(pages.IsChecked(PageId::PathEditPage, ctl::MainCheck));
    EXPECT_EQ(Edit(ctl::Edit2), "http://wsus");
    const std::string before = Machine();
    Apply();

    // The garbage collection's limit is refused with the program's own message.
    Show(261);
    EXPECT_EQ(Edit(ctl::Edit2), "0");
    EXPECT_TRUE(pages.GetText(PageId::PathEditPage, ctl::Description)
                    .ends_with(".\n\n\tOnly functions with Microsoft VM build 3229 or greater."));
    Type(ctl::Edit2, "4194304");
    Apply();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    // Looked up as a profile string, whose default loses its trailing blank.
    EXPECT_EQ(host.messageBoxes[0].text, "The value must be less than \"4194304\"");
    EXPECT_EQ(host.messageBoxes[0].caption, "Tallowick");
    EXPECT_EQ(host.messageBoxes[0].style, mb::Ok);
    EXPECT_EQ(Edit(ctl::Edit2), "4194304");
    EXPECT_EQ(Machine(), before);
    EXPECT_EQ(DateOf(259), kEarlier);
    Type(ctl::Edit2, "-2");
    Apply();
    EXPECT_EQ(Get("SOFTWARE\\Microsoft\\Java VM", "Generation0Size"), DwordValue(0xFFFFFFFE));
    EXPECT_EQ(DateOf(261), kEarlier);

    // Popup errors: two columns, nothing loaded; no row records the date only.
    const std::string listed = Show(263);
    EXPECT_NE(listed.find("1007 list columns \"Value\" 109, \"Description\" 290\n"
                          "    0 \"1\" | \"All errors appear in popups (Default)\"\n"),
              std::string::npos)
        << listed;
    Apply();
    EXPECT_EQ(Get("SYSTEM\\CurrentControlSet\\Control\\Windows", "ErrorMode"), DwordValue(2));
    EXPECT_EQ(DateOf(263), kToday);
    pages.ListSetSelected(PageId::ListPage, ctl::List, 1);
    Apply();
    EXPECT_EQ(Get("SYSTEM\\CurrentControlSet\\Control\\Windows", "ErrorMode"), DwordValue(1));
}

}  // namespace
}  // namespace tallowick
