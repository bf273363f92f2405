// Appearance tweaks against a real registry: the handwritten tooltips switch, which changes
// one bit of the user's and the default user's masks, natively on the in-memory registry
// and under Wine on the real one. The masks are the test prefix's own, so they are put back.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kDesktop = "Control Panel\\Desktop";
const std::string kDefaultDesktop = ".DEFAULT\\Control Panel\\Desktop";

class AppearanceConformance : public TweakConformance {
  protected:
    AppearanceConformance()
        : TweakConformance({{hive::CurrentUser, kDesktop, "UserPreferencesMask"},
                            {hive::Users, kDefaultDesktop, "UserPreferencesMask"}},
                           {}) {
        Make(hive::CurrentUser, kDesktop);
        Make(hive::Users, kDefaultDesktop);
        Start();
    }
};

TEST_F(AppearanceConformance, TooltipsChangeOneBitInTheUsersAndTheDefaultUsersMask) {
    registry_.DeleteValueAt(hive::Users, kDefaultDesktop.c_str(), "UserPreferencesMask");
    ASSERT_EQ(WriteValue(registry_, hive::CurrentUser, kDesktop, "UserPreferencesMask",
                         RegValue{regtype::Binary, {0x9E, 0x3E, 0x07, 0x80, 0x01}}),
              err::Success);
    Show(58, PageId::MultiCheckPage);
    EXPECT_FALSE(Checked());
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "UserPreferencesMask"),
              (RegValue{regtype::Binary, {0x1E, 0x3E, 0x07, 0x80, 0x01}}));
    EXPECT_EQ(Get(hive::Users, kDefaultDesktop, "UserPreferencesMask"),
              (RegValue{regtype::Binary, {0x1E, 0x3E, 0x07, 0x80, 0x12, 0, 0, 0}}));
}

}  // namespace
}  // namespace tallowick
