#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kPolicies = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

// The empty text written with its length, 0: no terminator is stored either.
const RegValue kEmptyText{regtype::Sz, {}};

class RegistryEditorTest : public TweakTest {
  protected:
    void Check(int id, bool checked) { pages.SetCheck(PageId::MultiCheckPage, id, checked); }
};

TEST_F(RegistryEditorTest, EditAsDefaultVerbIsCheckedOnlyForExactlyEditAndIsWrittenBack) {
    Load("[HKCR\\regfile\\shell]\n@=\"open\"\n");
    EXPECT_EQ(Show(26),
              "MainDialog (102)\n"
              "  1016 button \"Apply Changes\"\n"
              "MultiCheckPage (170)\n"
              "  1006 static \"Avoid Accidental Registry Imports with Regedit:\\n" +
                  core.Catalogue()[26].description +
                  "\"\n"
                  "  1013 checkbox [ ] \"Make \"edit\" default action\"\n"
                  "  1024 static \"Note:\\n\\tYou may need to restart or log out of Windows for "
                  "the change to take effect.\"\n");
    Check(ctl::MainCheck, true);
    Apply();
    EXPECT_EQ(Export(hive::ClassesRoot, "regfile\\shell"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CLASSES_ROOT\\regfile\\shell]\n@=\"edit\"\n\n");
    EXPECT_EQ(DateOf(26), kToday);

    for (const char* stored : {"Edit", "edit ", ""}) {
        Load(std::string("[HKCR\\regfile\\shell]\n@=\"") + stored + "\"\n");
        EXPECT_NE(Show(26).find("[ ]"), std::string::npos) << stored;
    }
    Load("[HKCR\\regfile\\shell]\n@=\"edit\"\n");
    EXPECT_NE(Show(26).find("[x]"), std::string::npos);
    Check(ctl::MainCheck, false);
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, "regfile\\shell", ""), kEmptyText);
}

TEST_F(RegistryEditorTest, EditAsDefaultVerbCreatesTheMissingVerbKey) {
    Show(26);
    Apply();  // unchecked: the empty text, in a key made for it
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, "regfile\\shell", ""), kEmptyText);
    EXPECT_TRUE(KeyCreated());
    EXPECT_EQ(DateOf(26), kToday);
}

TEST_F(RegistryEditorTest, RegistryToolsPolicyWritesBothScopesCurrentUserFirst) {
    Load(std::string("[HKCU\\") + kPolicies + "]\n\"DisableRegistryTools\"=dword:00000001\n");
    const std::string page = Show(27);
    EXPECT_NE(page.find("1013 checkbox [x] \"Disable Registry Editing Tools (Current User).\"\n"
                        "  1018 checkbox [ ] \"Disable Registry Editing Tools (All Users).\"\n"),
              std::string::npos)
        << page;
    Check(ctl::MainCheck, false);
    Check(ctl::SecondCheck, true);
    host.version = kWinMe;
    Apply();
    // The machine's policy key did not exist: the whole path is created.
    // HKCU's "Software" keeps the letter case it already had.
    const std::string user =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    const std::string machine = std::string("HKEY_LOCAL_MACHINE\\") + kPolicies;
    EXPECT_EQ(Changes(registry),
              (Lines{"Create " + user, "Set " + user + " : DisableRegistryTools",
                     "Create " + machine, "Set " + machine + " : DisableRegistryTools"}));
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kPolicies, "DisableRegistryTools"),
              DwordValue(0));
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kPolicies, "DisableRegistryTools"),
              DwordValue(1));
    EXPECT_EQ(DateOf(27), kToday);
}

TEST_F(RegistryEditorTest, RegistryToolsPolicyIsRefusedBefore2000AndMe) {
    for (OsVersion version : {kWin95, kWin98, kWinNT4, kWinVista}) {
        Show(27);
        Check(ctl::MainCheck, true);
        host.version = version;
        host.messageBoxes.clear();
        Apply();
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, "These Tweak active only on Windows 2000/Me/XP");
        EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
        EXPECT_TRUE(Changes(registry).empty());
        // No flip on a dual page: the user's ticks stay.
        EXPECT_TRUE(pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck));
        EXPECT_EQ(DateOf(27), kEarlier);
    }
}

}  // namespace
}  // namespace tallowick
