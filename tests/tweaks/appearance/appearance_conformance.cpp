// Appearance tweaks against a real registry: one tweak of each declared shape and every
// handwritten handler, run natively on the in-memory registry and under Wine on the real
// one. The settings they touch are the test prefix's own, so each is put back afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/named_colors.h"

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kDesktop = "Control Panel\\Desktop";
const std::string kDefaultDesktop = ".DEFAULT\\Control Panel\\Desktop";
const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
const std::string kRecycleBin = kExplorer + "\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
constexpr std::uint32_t kTomato = 0x004763FF;

// The values these cases change.
const std::vector<Touched> kValues = {
    {hive::CurrentUser, kDesktop, "MenuDropAlignment"},
    {hive::CurrentUser, kDesktop, "UserPreferencesMask"},
    {hive::Users, kDefaultDesktop, "UserPreferencesMask"},
    {hive::CurrentUser, kDesktop, "FontSmoothing"},
    {hive::CurrentUser, kDesktop, "SmoothScroll"},
    {hive::CurrentUser, "Control Panel\\Colors", "HotTrackingColor"},
    {hive::CurrentUser, kExplorer, "AltColor"},
    {hive::CurrentUser, kExplorer, "ThumbnailSize"},
    {hive::CurrentUser, kExplorer, "ThumbnailQuality"},
    {hive::LocalMachine, kExplorer, "ThumbnailSize"},
    {hive::LocalMachine, kExplorer, "ThumbnailQuality"},
};
// The keys they make, which the prefix does not have.
const std::vector<Touched> kKeys = {
    {hive::CurrentUser, kPolicies + "\\Comdlg32", nullptr},
    {hive::LocalMachine, kPolicies + "\\Comdlg32", nullptr},
    {hive::CurrentUser, kRecycleBin, nullptr},
};

class AppearanceConformance : public TweakConformance {
  protected:
    AppearanceConformance() : TweakConformance(kValues, kKeys) {
        for (const std::string& path :
             {kDesktop, std::string("Control Panel\\Colors"), kExplorer, kPolicies}) {
            Make(hive::CurrentUser, path);
        }
        Make(hive::Users, kDefaultDesktop);
        Make(hive::LocalMachine, kExplorer);
        Make(hive::LocalMachine, kPolicies);
        Start();
    }

    void Select(int index, int combo = ctl::Combo1) { pages_.ComboSetCurSel(page_, combo, index); }
    int Selected(int combo = ctl::Combo1) { return pages_.ComboGetCurSel(page_, combo); }
};

TEST_F(AppearanceConformance, ATextChoiceAndANumberBoxTickedWhileMissing) {
    Show(53, PageId::ComboCheckPage);
    Select(1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "MenuDropAlignment"), SzValue("1"));
    Show(53, PageId::ComboCheckPage);
    EXPECT_EQ(Selected(), 1);

    registry_.DeleteValueAt(hive::CurrentUser, kDesktop.c_str(), "SmoothScroll");
    Show(73, PageId::MultiCheckPage);
    EXPECT_TRUE(pages_.IsChecked(page_, ctl::MainCheck));
    pages_.SetCheck(page_, ctl::MainCheck, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "SmoothScroll"), DwordValue(0));
}

TEST_F(AppearanceConformance, ColoursInBothFormsReadBack) {
    for (TweakId id : {68u, 69u}) {
        Show(id, PageId::ComboCheckPage);
        SelectColor(pages_, page_, ctl::ColourCombo, kTomato);
        core_.OnApply();
        Show(id, PageId::ComboCheckPage);
        EXPECT_EQ(SelectedColor(pages_, page_, ctl::ColourCombo), kTomato) << id;
    }
    EXPECT_EQ(Get(hive::CurrentUser, "Control Panel\\Colors", "HotTrackingColor"),
              SzValue("255 99 71"));
    EXPECT_EQ(Get(hive::CurrentUser, kExplorer, "AltColor"),
              (RegValue{regtype::Binary, {0xFF, 0x63, 0x47, 0x00}}));
}

TEST_F(AppearanceConformance, IconPathsKeepSystemRootAndPoliciesAreMadeUnderBothHives) {
    Make(hive::CurrentUser, kRecycleBin + "\\DefaultIcon");
    Show(62, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "C:\\WINDOWS\\bin.ico");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kRecycleBin + "\\DefaultIcon", ""),
              SzValue("%SystemRoot%\\bin.ico"));

    Show(76, PageId::MultiCheckPage);
    pages_.SetCheck(page_, 1028, true);
    core_.OnApply();
    Show(72, PageId::ComboCheckPage);
    Select(96);
    Select(-1, ctl::Combo2);
    core_.OnApply();
    for (RegKey root : {hive::CurrentUser, hive::LocalMachine}) {
        EXPECT_EQ(Get(root, kPolicies + "\\Comdlg32", "NoPlacesBar"), DwordValue(1));
        EXPECT_EQ(Get(root, kPolicies + "\\Comdlg32", "NoBackButton"), DwordValue(0));
        EXPECT_EQ(Get(root, kExplorer, "ThumbnailSize"), DwordValue(96));
    }
    EXPECT_TRUE(host_.messageBoxes.empty());
}

TEST_F(AppearanceConformance, TooltipsChangeOneBitInTheUsersAndTheDefaultUsersMask) {
    registry_.DeleteValueAt(hive::Users, kDefaultDesktop.c_str(), "UserPreferencesMask");
    ASSERT_EQ(WriteValue(registry_, hive::CurrentUser, kDesktop, "UserPreferencesMask",
                         RegValue{regtype::Binary, {0x9E, 0x3E, 0x07, 0x80, 0x01}}),
              err::Success);
    Show(58, PageId::MultiCheckPage);
    EXPECT_FALSE(pages_.IsChecked(page_, ctl::MainCheck));
    pages_.SetCheck(page_, ctl::MainCheck, true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "UserPreferencesMask"),
              (RegValue{regtype::Binary, {0x1E, 0x3E, 0x07, 0x80, 0x01}}));
    EXPECT_EQ(Get(hive::Users, kDefaultDesktop, "UserPreferencesMask"),
              (RegValue{regtype::Binary, {0x1E, 0x3E, 0x07, 0x80, 0x12, 0, 0, 0}}));
}

TEST_F(AppearanceConformance, FontSmoothingStoresTheRunningFamilysChoice) {
    Show(66, PageId::ComboCheckPage);
    Select(2);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "FontSmoothing"), SzValue("2"));
    Show(66, PageId::ComboCheckPage);
    EXPECT_EQ(Selected(), 2);
    Select(1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "FontSmoothing"), SzValue("2"));
    ASSERT_EQ(host_.messageBoxes.size(), 1u);
    EXPECT_EQ(host_.messageBoxes[0].text,
              "You must choose Enable Font Smoothing on Windows NT/2000/XP or Disable");
}

}  // namespace
}  // namespace tallowick
