// System tweaks against a real registry: the File Protection settings, whose policy key is
// made for a setting and removed once the last one goes, which only the registry can say.
// Every value they change is put back, and every key they make removed.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kPolicies = "SOFTWARE\\Policies\\Microsoft\\Windows NT";
const std::string kPolicy = kPolicies + "\\Windows File Protection";

class SystemConformance : public TweakConformance {
  protected:
    SystemConformance()
        : TweakConformance({{hive::LocalMachine, kWinlogon, "SFCScan"},
                            {hive::LocalMachine, kWinlogon, "SFCDllCacheDir"}},
                           {{hive::LocalMachine, kPolicies, nullptr}}) {
        Make(hive::LocalMachine, kWinlogon);
        Start();
    }
};

TEST_F(SystemConformance, FileProtectionPolicyKeyGoesWithItsLastSetting) {
    Show(254, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, 2);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kPolicy, "SFCScan"), DwordValue(2));
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "SFCScan"), DwordValue(2));
    Show(255, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "C:\\WINDOWS\\cache");
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kPolicy, "SFCDllCacheDir"), SzValue("%SystemRoot%\\cache"));
    pages_.SetText(page_, ctl::Edit1, "");
    core_.OnApply();
    EXPECT_TRUE(KeyExists(registry_, hive::LocalMachine, kPolicy));
    Show(254, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, -1);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::LocalMachine, kPolicy));
    EXPECT_TRUE(KeyExists(registry_, hive::LocalMachine, kPolicies));
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "SFCScan"), std::nullopt);
    EXPECT_TRUE(host_.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
