#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kApplet = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

using RegistryEditorRepairTest = TweakTest;

TEST_F(RegistryEditorRepairTest, BothNodesShowTheSameClearBoxWithoutANote) {
    Load(std::string("[HKCU\\") + kApplet + "]\n\"View\"=hex:01\n");
    for (TweakId id : {TweakId{28}, TweakId{293}}) {
        EXPECT_EQ(Show(id), Page(id, "MultiCheckPage (170)",
                                 "  1013 checkbox [ ] \"Repair the Registry Editor .\"\n", false));
    }
}

TEST_F(RegistryEditorRepairTest, RepairDeletesTheSavedStateAndDatesOnlyTheSelectedNode) {
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kApplet;
    // FindFlags is already gone: the other values are deleted all the same.
    Load(std::string("[HKCU\\") + kApplet +
         "]\n\"View\"=hex:2c,00\n\"LastKey\"=\"My Computer\\\\HKEY_USERS\"\n"
         "\"Favorites\"=\"kept\"\n");
    Show(293);  // left clear: nothing is done, but the date is recorded
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(293), kToday);
    EXPECT_EQ(DateOf(28), kEarlier);

    Show(28);
    Check(true);
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{"DeleteValue " + key + " : FindFlags -> 2",
                     "DeleteValue " + key + " : LastKey", "DeleteValue " + key + " : View"}));
    EXPECT_EQ(Export(hive::CurrentUser, kApplet),
              "Windows Registry Editor Version 5.00\n\n[" + key + "]\n\"Favorites\"=\"kept\"\n\n");
    EXPECT_EQ(DateOf(28), kToday);
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
