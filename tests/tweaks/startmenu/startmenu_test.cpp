// The Start Menu and Taskbar tweaks' handwritten handlers, irregular data and the
// settings they must leave alone, through the application core; what every declaration
// does with regular data is covered by its properties.
#include <gtest/gtest.h>

#include <string>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kMenuOrder = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder";

class StartMenuTest : public TweakTest {
  protected:
    StartMenuTest() { usualHive = hive::CurrentUser; }
};

// A link (1) is shown clear, and clearing the box must not hide the folder.
TEST_F(StartMenuTest, CascadingFoldersClearOnlyAMenuInEachScope) {
    Load("[HKCU\\" + kAdvanced + "]\n\"Start_ShowMyDocs\"=dword:00000001\n[HKLM\\" + kAdvanced +
         "]\n\"Start_ShowMyDocs\"=dword:00000002\n");
    Show(183);
    EXPECT_FALSE(Checked(ctl::MainCheck));
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(false, ctl::SecondCheck);
    Apply();
    EXPECT_EQ(Get(kAdvanced, "Start_ShowMyDocs"), DwordValue(1));
    EXPECT_EQ(Get(kAdvanced, "Start_ShowMyDocs", hive::LocalMachine), DwordValue(0));
    EXPECT_EQ(Get(kAdvanced, "Start_ShowPrinters"), std::nullopt);

    Show(186);
    Apply();
    EXPECT_EQ(Get(kAdvanced, "Start_ShowPrinters"), std::nullopt) << "none stays none";
}

// Scrolling is the current user's own setting: other users' hives are neither read nor written.
TEST_F(StartMenuTest, ScrollingReadsAndWritesOnlyTheCurrentUser) {
    Load("[HKU\\.DEFAULT\\" + kAdvanced +
         "]\n\"Start_ScrollPrograms\"=dword:00000001\n[HKU\\S-1-5-18\\" + kAdvanced +
         "]\n\"StartMenuScrollPrograms\"=\"Yes\"\n");
    Show(197);
    EXPECT_FALSE(Checked(ctl::MainCheck));
    EXPECT_FALSE(Checked(ctl::SecondCheck));
    Check(true);
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::CurrentUser, kAdvanced)) << "opened, not made";

    Load("[HKCU\\" + kAdvanced + "]\n\"StartMenuScrollPrograms\"=\"yes\"\n");
    Show(197);
    EXPECT_TRUE(Checked());
    Apply();
    EXPECT_EQ(Get(kAdvanced, "StartMenuScrollPrograms"), SzValue("Yes"));
    Check(false);
    Apply();
    EXPECT_EQ(Get(kAdvanced, "StartMenuScrollPrograms"), SzValue("No"));
    EXPECT_EQ(Get(kAdvanced, "Start_ScrollPrograms"), DwordValue(0));
    EXPECT_EQ(ReadValue(registry, hive::Users, "S-1-5-18\\" + kAdvanced, "StartMenuScrollPrograms"),
              SzValue("Yes"));
    EXPECT_EQ(ReadValue(registry, hive::Users, ".DEFAULT\\" + kAdvanced, "Start_ScrollPrograms"),
              DwordValue(1));
}

TEST_F(StartMenuTest, FrequentProgramsFollowTheirSubkeysByName) {
    Load(
        "[HKCR\\Applications\\a.exe]\n[HKCR\\Applications\\b.txt]\n[HKCR\\Applications\\C.EXE]\n"
        "\"NoStartPage\"=\"\"\n[HKCR\\Applications\\x.Exe]\n");
    Show(208);
    EXPECT_TRUE(
        pages.Describe().ends_with("1009 checklist\n    0 [x] \"a.exe\"\n    1 [ ] \"C.EXE\"\n"))
        << pages.Describe();
    Tick(0, false);
    Tick(1, true);
    // Since Show, aaa.exe came before a.exe.
    Load("[HKCR\\Applications\\aaa.exe]\n");
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, "Applications\\a.exe", "NoStartPage"),
              (RegValue{regtype::Sz, {}}));
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, "Applications\\C.EXE", "NoStartPage"),
              std::nullopt);
    for (const char* untouched : {"aaa.exe", "b.txt", "x.Exe"}) {
        EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, std::string("Applications\\") + untouched,
                            "NoStartPage"),
                  std::nullopt)
            << untouched;
    }
}

TEST_F(StartMenuTest, SortOrdersGoWithTheirSubkeysAndNeedMenuOrder) {
    Show(209);
    EXPECT_TRUE(Checked(ctl::MainCheck));
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(false);
    Apply();
    EXPECT_FALSE(KeyCreated()) << "without MenuOrder nothing is made";
    EXPECT_EQ(DateOf(209), kToday);

    // A saved order has a subkey per submenu; it still goes.
    Load("[HKCU\\" + kMenuOrder + "\\Start Menu\\Programs\\Accessories]\n\"Order\"=hex:01\n");
    Show(209);
    EXPECT_FALSE(Checked(ctl::MainCheck));
    Check(true);
    Check(false, ctl::SecondCheck);
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::CurrentUser, kMenuOrder + "\\Start Menu"));
    EXPECT_TRUE(KeyExists(registry, hive::CurrentUser, kMenuOrder + "\\Favorites"));
}

}  // namespace
}  // namespace tallowick
