// System tweaks against a real registry: the shapes only this category declares and every
// handwritten handler. Every value they change is put back, and every key they make removed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kPolicies = "SOFTWARE\\Policies\\Microsoft\\Windows NT";
const std::string kPolicy = kPolicies + "\\Windows File Protection";
const std::string kUpdate = "Software\\Policies\\Microsoft\\Windows\\WindowsUpdate";
const std::string kKeyboard = "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const std::string kErrors = "SYSTEM\\CurrentControlSet\\Control\\Windows";
const std::string kPower = "Control Panel\\PowerCfg";

class SystemConformance : public TweakConformance {
  protected:
    SystemConformance()
        : TweakConformance({{hive::LocalMachine, kWinlogon, "SFCScan"},
                            {hive::LocalMachine, kWinlogon, "SFCDllCacheDir"},
                            {hive::LocalMachine, kErrors, "ErrorMode"}},
                           {{hive::LocalMachine, kPolicies, nullptr},
                            {hive::LocalMachine, kUpdate, nullptr},
                            {hive::LocalMachine, kKeyboard, nullptr},
                            {hive::LocalMachine, "SOFTWARE\\Microsoft\\Java VM", nullptr},
                            {hive::CurrentUser, kPower, nullptr},
                            {hive::Users, ".DEFAULT\\" + kPower, nullptr}}) {
        for (const std::string& path : {kWinlogon, kErrors, kKeyboard})
            Make(hive::LocalMachine, path);
        Make(hive::CurrentUser, kPower);
        Make(hive::Users, ".DEFAULT\\" + kPower);
        Start();
    }
    void Type(int edit, const std::string& text) { pages_.SetText(page_, edit, text); }
    void Select(int control, int index) { pages_.ComboSetCurSel(page_, control, index); }
};

// The File Protection policy key, made for a setting and removed with the last one.
TEST_F(SystemConformance, FileProtectionSettings) {
    Show(254, PageId::ComboCheckPage);
    Select(ctl::Combo1, 2);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kPolicy, "SFCScan"), DwordValue(2));
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "SFCScan"), DwordValue(2));
    Show(255, PageId::PathEditPage);
    Type(ctl::Edit1, "C:\\WINDOWS\\cache");
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kPolicy, "SFCDllCacheDir"), SzValue("%SystemRoot%\\cache"));
    Type(ctl::Edit1, "");
    core_.OnApply();
    EXPECT_TRUE(KeyExists(registry_, hive::LocalMachine, kPolicy));
    Show(254, PageId::ComboCheckPage);
    Select(ctl::Combo1, -1);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::LocalMachine, kPolicy));
    EXPECT_TRUE(KeyExists(registry_, hive::LocalMachine, kPolicies));
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "SFCScan"), std::nullopt);
    EXPECT_TRUE(host_.messageBoxes.empty());
}

TEST_F(SystemConformance, HandwrittenHandlers) {
    ASSERT_EQ(WriteValue(registry_, hive::CurrentUser, kPower, "CurrentPowerPolicy", SzValue("2")),
              err::Success);
    Show(257, PageId::ComboCheckPage);
    EXPECT_EQ(pages_.ComboGetCurSel(page_, ctl::Combo1), 2);
    Select(ctl::Combo1, 4);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kPower, "CurrentPowerPolicy"), SzValue("4"));
    EXPECT_EQ(Get(hive::Users, ".DEFAULT\\" + kPower, "CurrentPowerPolicy"), SzValue("4"));

    Make(hive::LocalMachine, kUpdate + "\\AU");
    ASSERT_EQ(WriteValue(registry_, hive::LocalMachine, kUpdate, "WUStatusServer", SzValue("wsus")),
              err::Success);
    Show(259, PageId::PathEditPage);
    EXPECT_EQ(pages_.GetText(page_, ctl::Edit2), "wsus");
    EXPECT_FALSE(Checked());

    Show(261, PageId::PathEditPage);
    Type(ctl::Edit2, "4194304");
    core_.OnApply();
    EXPECT_EQ(host_.messageBoxes.size(), 1u);
    Type(ctl::Edit2, "65536");
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, "SOFTWARE\\Microsoft\\Java VM", "Generation0Size"),
              DwordValue(65536));

    Show(263, PageId::ListPage);
    pages_.ListSetSelected(page_, ctl::List, 2);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kErrors, "ErrorMode"), DwordValue(2));

    const RegValue other{regtype::Binary,
                         {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0}};
    ASSERT_EQ(WriteValue(registry_, hive::LocalMachine, kKeyboard, "Scancode Map", other),
              err::Success);
    Show(264, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    ASSERT_TRUE(Get(hive::LocalMachine, kKeyboard, "Scancode Map"));
    EXPECT_EQ(Get(hive::LocalMachine, kKeyboard, "Scancode Map")->data.size(), 28u);
    Show(264, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());
    Check(false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kKeyboard, "Scancode Map"), other);
}

}  // namespace
}  // namespace tallowick
