// The Explorer and Search tweaks' handwritten handlers and irregular data, through the
// application core; what every declaration does with regular data is covered by its
// properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/registry_test_support.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

class ExplorerTest : public TweakTest {
  protected:
    ExplorerTest() { usualHive = hive::CurrentUser; }
    std::optional<RegValue> Class(const std::string& path, const char* name) {
        return ReadValue(registry, hive::ClassesRoot, path, name);
    }
};

TEST_F(ExplorerTest, ExploreFromHereKeepsItsCommandInTheCommandSubkey) {
    const std::string explore = "Directory\\shell\\Explore";
    Show(104);
    Check(true);
    Apply();
    EXPECT_FALSE(KeyCreated()) << "Directory\\shell is opened, not made";
    EXPECT_EQ(DateOf(104), kToday);

    Load("[HKCR\\Directory\\shell]\n");
    Apply();
    EXPECT_EQ(Class(explore + "\\command", ""), SzValue("explorer.exe /e,/root,\"%1\""));
    EXPECT_EQ(Class(explore, ""), std::nullopt) << "the menu text is not the command";
    EXPECT_NE(Show(104).find("[x] \"Add Explore From Here"), std::string::npos);

    Check(false);
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, explore));

    // A key another program added below Explore stays, and Explore with it.
    Load(
        "[HKCR\\Directory\\shell\\Explore]\n@=\"E&xplore\"\n[HKCR\\Directory\\shell\\Explore\\"
        "command]\n@=\"explorer.exe /e,/root,\\\"%1\\\"\"\n[HKCR\\Directory\\shell\\Explore\\"
        "ddeexec]\n");
    Show(104);
    EXPECT_TRUE(Checked());
    Check(false);
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, explore + "\\command"));
    EXPECT_EQ(Class(explore, ""), SzValue("E&xplore"));
}

TEST_F(ExplorerTest, OpenWithProgramsFollowTheirSubkeysByName) {
    Load(
        "[HKCR\\Applications\\alpha.exe\\shell]\n"
        "[HKCR\\Applications\\beta.exe\\shell]\n[HKCR\\Applications\\beta.exe]\n"
        "\"NoOpenWith\"=\"\"\n[HKCR\\Applications\\noshell.exe]\n"
        "[HKCR\\Applications\\gamma.exe\\shell]\n");
    EXPECT_EQ(Show(119),
              "MainDialog (102)\n  1016 button \"Apply Changes\"\nValueListPage (173)\n  1006 "
              "static \"Show Programs in the Open with Selection Box:\\n" +
                  core.Catalogue()[119].description +
                  "\"\n  1009 checklist\n    0 [x] \"alpha.exe\"\n    1 [ ] \"beta.exe\"\n"
                  "    2 [x] \"gamma.exe\"\n");
    Tick(0, false);
    Tick(1, true);
    Tick(2, false);
    // Since Show, alpha.exe went, aaa.exe came before it and gamma.exe lost its shell.
    Load(
        "[-HKCR\\Applications\\alpha.exe]\n[HKCR\\Applications\\aaa.exe\\shell]\n"
        "[-HKCR\\Applications\\gamma.exe\\shell]\n");
    Apply();
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, "Applications\\alpha.exe"));
    EXPECT_EQ(Class("Applications\\aaa.exe", "NoOpenWith"), std::nullopt);
    EXPECT_EQ(Class("Applications\\beta.exe", "NoOpenWith"), std::nullopt);
    EXPECT_EQ(Class("Applications\\gamma.exe", "NoOpenWith"), (RegValue{regtype::Sz, {}}));
    EXPECT_EQ(DateOf(119), kToday);
}

TEST_F(ExplorerTest, ContextMenuEntriesNeedTheirHandlersKeyAndKeepForeignSubkeys) {
    // Copy To and Move To come and go with their subkeys; Send To stays and is emptied.
    Show(113);
    Apply();
    EXPECT_FALSE(KeyCreated()) << "Send To is made only below an existing handlers key";
    Show(103);
    Check(true, ctl::SecondCheck);
    Apply();
    Show(113);
    Apply();
    const std::string handlers = "AllFilesystemObjects\\shellex\\ContextMenuHandlers\\";
    EXPECT_EQ(Class(handlers + "Send To", ""), (RegValue{regtype::Sz, {}}));
    Load("[HKCR\\" + handlers + "Copy To\\Sub]\n");
    Show(103);
    EXPECT_FALSE(Checked());
    Check(true, ctl::SecondCheck);
    Apply();
    EXPECT_EQ(Class(handlers + "Move To", ""), SzValue("{C2FBB631-2971-11d1-A18C-00C04FD75D13}"));
    EXPECT_TRUE(KeyExists(registry, hive::ClassesRoot, handlers + "Copy To"))
        << "not removed while it has subkeys";
}

}  // namespace
}  // namespace tallowick
