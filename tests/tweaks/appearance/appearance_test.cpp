// The Appearance tweaks' handwritten handlers through the application core; what every
// declaration does, with stored values no item has too, is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kDesktop = "Control Panel\\Desktop";

class AppearanceTest : public TweakTest {
  protected:
    AppearanceTest() { usualHive = hive::CurrentUser; }
};

RegValue Bytes(std::vector<std::uint8_t> bytes) {
    return RegValue{regtype::Binary, std::move(bytes)};
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

}  // namespace
}  // namespace tallowick
