// File System and Login tweaks against a real registry, natively the in-memory one and
// under Wine the real one: one tweak of each kind of data the declarations store (the
// other categories' declarations go through the same code), and the logon screen's
// handwritten handlers, which write the default user's settings under HKEY_USERS. Every
// value they change is put back, and every key they make removed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
const std::string kPolicies = kVersion + "\\Policies\\Explorer";
const std::string kExplorer = kVersion + "\\Explorer";
const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kDesktop = ".DEFAULT\\Control Panel\\Desktop";
const std::string kColours = ".DEFAULT\\Control Panel\\Colors";
const std::string kUnread = kVersion + "\\UnreadMail";

// The values these cases change.
const std::vector<Touched> kValues = {
    {hive::CurrentUser, kPolicies, "LinkResolveIgnoreLinkInfo"},
    {hive::LocalMachine, kPolicies, "LinkResolveIgnoreLinkInfo"},
    {hive::CurrentUser, kExplorer, "link"},
    {hive::LocalMachine, kExplorer, "link"},
    {hive::CurrentUser, kPolicies, "ForceCopyAclwithFile"},
    {hive::LocalMachine, kWinlogon, "IgnoreShiftOverride"},
    {hive::LocalMachine, kWinlogon, "ForceUnlockLogon"},
    {hive::LocalMachine, kWinlogon, "CachedLogonsCount"},
    {hive::LocalMachine, kWinlogon, "Welcome"},
    {hive::LocalMachine, kWinlogon, "Background"},
    {hive::Users, kDesktop, "ScreenSaveActive"},
    {hive::Users, kDesktop, "SCRNSAVE.EXE"},
    {hive::Users, kDesktop, "ScreenSaveTimeOut"},
    {hive::Users, kDesktop, "Wallpaper"},
    {hive::Users, kDesktop, "TileWallpaper"},
    {hive::Users, kDesktop, "Pattern"},
    {hive::Users, kColours, "Background"},
};

class FileSystemLoginConformance : public TweakConformance {
  protected:
    FileSystemLoginConformance()
        : TweakConformance(kValues, {{hive::CurrentUser, kUnread, nullptr}}) {
        for (const std::string& path :
             {kPolicies, kExplorer, std::string("Control Panel\\Desktop")})
            Make(hive::CurrentUser, path);
        for (const std::string& path : {kPolicies, kExplorer, kWinlogon})
            Make(hive::LocalMachine, path);
        for (const std::string& path : {kDesktop, kColours})
            Make(hive::Users, path);
        Start();
    }
};

TEST_F(FileSystemLoginConformance, BoxesOfNumbersBytesAndTextsAndAKeyMade) {
    Show(128, PageId::MultiCheckPage);
    Check(true);
    Check(false, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kPolicies, "LinkResolveIgnoreLinkInfo"), DwordValue(1));
    EXPECT_EQ(Get(hive::LocalMachine, kPolicies, "LinkResolveIgnoreLinkInfo"), DwordValue(0));

    Show(133, PageId::MultiCheckPage);
    Check(true);
    Check(false, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kExplorer, "link"), (RegValue{regtype::Binary, {0, 0, 0, 0}}));
    EXPECT_EQ(Get(hive::LocalMachine, kExplorer, "link"), std::nullopt);
    Show(133, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());

    Show(165, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "IgnoreShiftOverride"), SzValue("1"));
    Check(false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "IgnoreShiftOverride"), std::nullopt);

    Show(166, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kUnread, "MessageExpiryDays"), DwordValue(0));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

TEST_F(FileSystemLoginConformance, ChoicesOfNumbersAndTextsAndAnEdit) {
    Show(176, PageId::ComboCheckPage);
    Select(1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "ForceUnlockLogon"), DwordValue(1));

    Show(173, PageId::ComboCheckPage);
    Select(12);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "CachedLogonsCount"), SzValue("12"));
    Show(173, PageId::ComboCheckPage);
    EXPECT_EQ(Selected(), 12);

    Show(163, PageId::PathEditPage);
    Type(ctl::Edit1, "Tallowick");
    core_.OnApply();
    Type(ctl::Edit1, "");
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "Welcome"), SzValue("Tallowick"));
}

TEST_F(FileSystemLoginConformance, LogonScreenLeavesTheUsersOwnSettingsAlone) {
    const char* own[] = {"ScreenSaveActive", "SCRNSAVE.EXE", "ScreenSaveTimeOut"};
    std::vector<std::optional<RegValue>> before;
    for (const char* name : own)
        before.push_back(Get(hive::CurrentUser, "Control Panel\\Desktop", name));
    host_.windowsDirectory = "C:\\windows";
    Show(159, PageId::PathEditPage);
    Check(true);
    Type(ctl::Edit1, "\"C:\\windows\\system32\\logon.scr\"");
    Type(ctl::Edit2, "900");
    core_.OnApply();
    EXPECT_EQ(Get(hive::Users, kDesktop, "ScreenSaveActive"), SzValue("1"));
    EXPECT_EQ(Get(hive::Users, kDesktop, "SCRNSAVE.EXE"), SzValue("logon.scr"));
    EXPECT_EQ(Get(hive::Users, kDesktop, "ScreenSaveTimeOut"), SzValue("900"));
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(Get(hive::CurrentUser, "Control Panel\\Desktop", own[i]), before[i]) << own[i];

    ASSERT_EQ(
        WriteValue(registry_, hive::LocalMachine, kWinlogon, "Background", SzValue("0 78 152")),
        err::Success);
    Show(161, PageId::ComboCheckPage);
    EXPECT_EQ(pages_.ComboGetItemText(page_, ctl::ColourCombo, Selected(ctl::ColourCombo)),
              "0 78 152");
    core_.OnApply();
    EXPECT_EQ(Get(hive::Users, kColours, "Background"), SzValue("0 78 152"));
    EXPECT_EQ(Get(hive::Users, kDesktop, "Wallpaper"), SzValue("(None)"));

    Show(162, PageId::PathEditPage);
    Check(true);
    Type(ctl::Edit1, "\"C:\\logon.bmp\"");
    core_.OnApply();
    EXPECT_EQ(Get(hive::Users, kDesktop, "Wallpaper"), SzValue("C:\\logon.bmp"));
    EXPECT_EQ(Get(hive::Users, kDesktop, "TileWallpaper"), SzValue("1"));
    EXPECT_EQ(Get(hive::Users, kDesktop, "Pattern"), SzValue("(None)"));
}

}  // namespace
}  // namespace tallowick
