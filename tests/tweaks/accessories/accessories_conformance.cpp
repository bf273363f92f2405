// Accessories tweaks against a real registry: the handwritten handlers that make and remove
// keys, through HKEY_CLASSES_ROOT and up a chain of emptied keys, run natively on the
// in-memory registry and under Wine on the real one, so both agree on what they leave.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kInstaller = "Software\\Policies\\Microsoft\\Windows\\Installer";
const std::string kMirror =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Group Policy Objects\\LocalMachine";

class AccessoriesConformance : public TweakConformance {
  protected:
    AccessoriesConformance()
        : TweakConformance({}, {{hive::ClassesRoot, "Directory\\shell\\Command", nullptr},
                                {hive::LocalMachine, kInstaller, nullptr},
                                {hive::CurrentUser, kMirror + "\\Software", nullptr}}) {
        Start();
    }
};

TEST_F(AccessoriesConformance, CommandPromptMenuEntryIsAddedAndRemoved) {
    Make(hive::ClassesRoot, "Directory\\shell");
    Show(2, PageId::PathEditPage);
    Check(true);
    pages_.SetText(page_, ctl::Edit1, "Command Prompt Here");
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, "Directory\\shell\\Command", nullptr),
              SzValue("Command Prompt Here"));
    EXPECT_EQ(Get(hive::ClassesRoot, "Directory\\shell\\Command\\command", nullptr),
              SzValue("cmd.exe /k cd %1"));
    Show(2, PageId::PathEditPage);
    EXPECT_TRUE(Checked());
    Check(false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::ClassesRoot, "Directory\\shell\\Command"));
    EXPECT_TRUE(KeyExists(registry_, hive::ClassesRoot, "Directory\\shell"));
}

TEST_F(AccessoriesConformance, InstallerPoliciesAreMirroredAndRemovedWithoutLosingOthers) {
    const std::string mirrored = kMirror + "\\" + kInstaller;
    const std::string other = kMirror + "\\Software\\Policies\\Microsoft\\Windows NT";
    Make(hive::LocalMachine, kInstaller);
    Make(hive::CurrentUser, kMirror);
    // Another policy in the mirror, which neither tweak may take away.
    ASSERT_EQ(WriteValue(registry_, hive::CurrentUser, other, "Other", DwordValue(1)),
              err::Success);

    Show(39, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, 1);
    core_.OnApply();
    Show(41, PageId::ListPage);
    Check(true);
    core_.OnApply();
    for (const auto& [root, key] :
         {std::pair{hive::LocalMachine, kInstaller}, std::pair{hive::CurrentUser, mirrored}}) {
        EXPECT_EQ(Get(root, key, "DisableMSI"), DwordValue(1));
        EXPECT_EQ(Get(root, key, "Logging"), SzValue("voicewarmup"));
    }

    Show(41, PageId::ListPage);
    EXPECT_TRUE(Checked());
    Check(false);
    core_.OnApply();
    Show(39, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, -1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "Logging"), std::nullopt);
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "DisableMSI"), std::nullopt);
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser, mirrored));
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser,
                           kMirror + "\\Software\\Policies\\Microsoft\\Windows"));
    EXPECT_EQ(Get(hive::CurrentUser, other, "Other"), DwordValue(1));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
