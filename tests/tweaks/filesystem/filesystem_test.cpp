// The File System tweaks' irregular data through the application core: inverted and
// binary boxes, choices whose stored value maps to no item, and the category's lists;
// what every declaration does with regular data is covered by its properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr const char* kFileSystem = "System\\CurrentControlSet\\Control\\FileSystem";

class FileSystemTest : public TweakTest {
  protected:
    std::optional<RegValue> Get(const std::string& path, const char* name,
                                RegKey root = hive::LocalMachine) {
        return ReadValue(registry, root, path, name);
    }
    int Selected() { return pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::Combo1); }
    void Select(int item) { pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, item); }
};

TEST_F(FileSystemTest, NetworkShortcutResolutionIsOffWhileThePolicyIsOne) {
    Load(std::string("[HKCU\\") + kPolicies + "]\n\"LinkResolveIgnoreLinkInfo\"=dword:1\n[HKLM\\" +
         kPolicies + "]\n\"LinkResolveIgnoreLinkInfo\"=dword:0\n");
    Show(128);
    EXPECT_TRUE(Checked());
    EXPECT_FALSE(Checked(ctl::SecondCheck));
    Apply();
    EXPECT_EQ(Get(kPolicies, "LinkResolveIgnoreLinkInfo", hive::CurrentUser), DwordValue(1));
    EXPECT_EQ(Get(kPolicies, "LinkResolveIgnoreLinkInfo"), DwordValue(0));

    Check(false);
    Check(true, ctl::SecondCheck);
    Apply();
    EXPECT_EQ(Get(kPolicies, "LinkResolveIgnoreLinkInfo", hive::CurrentUser), DwordValue(0));
    EXPECT_EQ(Get(kPolicies, "LinkResolveIgnoreLinkInfo"), DwordValue(1));
}

TEST_F(FileSystemTest, ShortcutPrefixIsFourZeroBytesOrNoValue) {
    // Explorer keeps counting in the later bytes; only the first four are the setting.
    Load(std::string("[HKCU\\") + kExplorer + "]\n\"link\"=hex:00,00,00,00,07\n[HKLM\\" +
         kExplorer + "]\n\"link\"=hex:1e,00,00,00\n");
    Show(133);
    EXPECT_TRUE(Checked());
    EXPECT_FALSE(Checked(ctl::SecondCheck));
    Check(true, ctl::SecondCheck);
    Check(false);
    Apply();
    EXPECT_EQ(Get(kExplorer, "link", hive::CurrentUser), std::nullopt);
    EXPECT_EQ(Get(kExplorer, "link"), (RegValue{regtype::Binary, {0, 0, 0, 0}}));
}

TEST_F(FileSystemTest, ChoicesKeepAStoredValueNoItemHasAndWriteNothingWithoutSelection) {
    const std::string memory =
        "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    Load("[HKLM\\" + memory + "]\n\"LargeSystemCache\"=dword:7\n[HKLM\\" + kFileSystem +
         "]\n\"NtfsMftZoneReservation\"=dword:0\n\"Win31FileSystem\"=dword:2\n"
         "[HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager]\n"
         "\"AutoChkTimeOut\"=dword:3601\n");
    const std::pair<TweakId, std::pair<std::string, const char*>> kept[] = {
        {124, {memory, "LargeSystemCache"}},
        {127, {kFileSystem, "Win31FileSystem"}},
        {139, {kFileSystem, "NtfsMftZoneReservation"}},
        {141, {"SYSTEM\\CurrentControlSet\\Control\\Session Manager", "AutoChkTimeOut"}}};
    for (const auto& [id, at] : kept) {
        const auto before = Get(at.first, at.second);
        Show(id);
        EXPECT_EQ(Selected(), -1) << id;
        Apply();
        EXPECT_EQ(Get(at.first, at.second), before) << id;
        EXPECT_EQ(DateOf(id), kToday) << id;
    }

    // A missing zone shows Windows' default; a stored one is the item after its index.
    Load("[HKLM\\" + std::string(kFileSystem) + "]\n\"NtfsMftZoneReservation\"=-\n");
    Show(139);
    EXPECT_EQ(Selected(), 0);
    Load("[HKLM\\" + std::string(kFileSystem) + "]\n\"NtfsMftZoneReservation\"=dword:4\n");
    Show(139);
    EXPECT_EQ(Selected(), 3);
    Select(1);
    Apply();
    EXPECT_EQ(Get(kFileSystem, "NtfsMftZoneReservation"), DwordValue(2));

    Load(
        "[HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager]\n"
        "\"AutoChkTimeOut\"=dword:a\n");
    const std::string shown = Show(141);
    EXPECT_NE(shown.find("sel 10 of 3601: \"0\", \"1\""), std::string::npos) << shown;
    EXPECT_NE(shown.find("\"3600\"\n"), std::string::npos);
}

TEST_F(FileSystemTest, CategoryAndGroupsListTheirTweaksWithTheirDates) {
    Load("[HKLM\\SYSTEM\\CurrentControlSet\\Services\\Cdrom]\n");
    Show(142);
    Apply();
    const std::string listed = Show(122);
    EXPECT_NE(listed.find("0 \"Automatic Start CD-R and DVD-R Disks\" | \"3/5/2007\""),
              std::string::npos)
        << listed;
    EXPECT_NE(
        listed.find("5 \"Show File and Folder Names Using the Correct Case\" | \"6/19/2006\""),
        std::string::npos);
    EXPECT_NE(Show(125).find("2 \"Disable Automatic Network Shortcut Resolution\""),
              std::string::npos);
    EXPECT_NE(Show(123).find("0 \"Optimize the System Cache Size\""), std::string::npos);
    EXPECT_NE(Show(137).find("3 \"Modifying the Autocheck Time-out Value\""), std::string::npos);
}

}  // namespace
}  // namespace tallowick
