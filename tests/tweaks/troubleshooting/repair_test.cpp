#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kApplet = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

class RegistryEditorRepairTest : public TweakTest {
  protected:
    void Tick(bool checked) { pages.SetCheck(PageId::MultiCheckPage, ctl::MainCheck, checked); }
};

TEST_F(RegistryEditorRepairTest, BothNodesShowTheSameClearBoxWithoutANote) {
    Load(std::string("[HKCU\\") + kApplet + "]\n\"View\"=hex:01\n");
    for (TweakId id : {TweakId{28}, TweakId{293}}) {
        EXPECT_EQ(Show(id),
                  "MainDialog (102)\n"
                  "  1016 button \"Apply Changes\"\n"
                  "MultiCheckPage (170)\n"
                  "  1006 static \"" +
                      core.Catalogue()[id].name + ":\\n" + core.Catalogue()[id].description +
                      "\"\n"
                      "  1013 checkbox [ ] \"Repair the Registry Editor .\"\n");
    }
}

TEST_F(RegistryEditorRepairTest, RepairDeletesTheSavedStateInOrderAndAgainHarmlessly) {
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kApplet;
    Load(std::string("[HKCU\\") + kApplet +
         "]\n\"View\"=hex:2c,00\n\"FindFlags\"=dword:00000001\n\"LastKey\"=\"My "
         "Computer\\\\HKEY_USERS\"\n\"Favorites\"=\"kept\"\n");
    Show(28);
    Tick(true);
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{"DeleteValue " + key + " : FindFlags", "DeleteValue " + key + " : LastKey",
                     "DeleteValue " + key + " : View"}));
    const std::string repaired =
        "Windows Registry Editor Version 5.00\n\n[" + key + "]\n\"Favorites\"=\"kept\"\n\n";
    EXPECT_EQ(Export(hive::CurrentUser, kApplet), repaired);
    EXPECT_EQ(DateOf(28), kToday);
    EXPECT_EQ(DateOf(293), kEarlier);

    Apply();  // the values are gone: nothing to show for it
    EXPECT_EQ(Changes(registry), (Lines{"DeleteValue " + key + " : FindFlags -> 2",
                                        "DeleteValue " + key + " : LastKey -> 2",
                                        "DeleteValue " + key + " : View -> 2"}));
    EXPECT_EQ(Export(hive::CurrentUser, kApplet), repaired);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(RegistryEditorRepairTest, DateIsRecordedUnderTheSelectedNodeEvenWhenNothingIsDone) {
    Load(std::string("[HKCU\\") + kApplet + "]\n\"View\"=hex:01\n");
    Show(293);  // clear
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(293), kToday);
    EXPECT_EQ(DateOf(28), kEarlier);

    Load(std::string("[-HKCU\\") + kApplet + "]\n");
    Show(28);
    Tick(true);
    Apply();  // no saved state at all
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_FALSE(KeyCreated());
    EXPECT_EQ(DateOf(28), kToday);
}

}  // namespace
}  // namespace tallowick
