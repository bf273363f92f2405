#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kPolicies = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

using RegistryEditorTest = TweakTest;

TEST_F(RegistryEditorTest, EditAsDefaultVerbIsCheckedOnlyForExactlyEditAndIsWrittenBack) {
    Load("[HKCR\\regfile\\shell]\n@=\"open\"\n");
    Show(26);
    Check(true);
    Apply();
    EXPECT_EQ(Export(hive::ClassesRoot, "regfile\\shell"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CLASSES_ROOT\\regfile\\shell]\n@=\"edit\"\n\n");
    EXPECT_EQ(DateOf(26), kToday);

    // Only exactly "edit" is the verb made default.
    for (const auto& [stored, checked] : {std::pair{"Edit", false}, std::pair{"edit ", false},
                                          std::pair{"", false}, std::pair{"edit", true}}) {
        Load(std::string("[HKCR\\regfile\\shell]\n@=\"") + stored + "\"\n");
        Show(26);
        EXPECT_EQ(Checked(), checked) << stored;
    }
    Check(false);
    Apply();
    // The empty text written with its length, 0: no terminator is stored either.
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, "regfile\\shell", ""),
              (RegValue{regtype::Sz, {}}));
}

TEST_F(RegistryEditorTest, RegistryToolsPolicyWritesBothScopesCurrentUserFirst) {
    Load(std::string("[HKCU\\") + kPolicies + "]\n\"DisableRegistryTools\"=dword:00000001\n");
    Show(27);
    Check(false, ctl::MainCheck);
    Check(true, ctl::SecondCheck);
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

}  // namespace
}  // namespace tallowick
