#include <gtest/gtest.h>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kAgent = "SOFTWARE\\Microsoft\\SchedulingAgent";
constexpr const char* kWindowsPolicies = "Software\\Policies\\Microsoft\\Windows";
constexpr const char* kSchedulerPolicies =
    "Software\\Policies\\Microsoft\\Windows\\Task Scheduler5.0";
// As the call log names them: each hive keeps the letter case of its own "Software" key.
constexpr const char* kUserPolicies =
    "HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Windows\\Task Scheduler5.0";
constexpr const char* kMachinePolicies =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Microsoft\\Windows\\Task Scheduler5.0";

using TaskSchedulerTest = TweakTest;

TEST_F(TaskSchedulerTest, LogSettingsShowTheNumbersAndWriteWhatAtoiMakesOfTheEdits) {
    Load(std::string("[HKLM\\") + kAgent +
         "]\n\"MaxLogSizeKB\"=dword:00000400\n\"LogPath\"=\"%SystemRoot%\\\\SchedLgU.txt\"\n");
    EXPECT_EQ(Show(31), Page(31, "PathEditPage (171)",
                             "  1014 static \"Maximum Log File Size (KB):\"\n"
                             "  1015 edit \"1024\"\n"
                             "  1017 edit \"\"\n"
                             "  1019 static \"Minutes Before Idle:\"\n"));
    Type("big");
    pages.SetText(PageId::PathEditPage, ctl::Edit2, " 15 minutes");
    Apply();
    EXPECT_EQ(Export(hive::LocalMachine, kAgent),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\SchedulingAgent]\n"
              "\"LogPath\"=\"%SystemRoot%\\\\SchedLgU.txt\"\n"
              "\"MaxLogSizeKB\"=dword:00000000\n"
              "\"MinutesBeforeIdle\"=dword:0000000f\n\n");
    EXPECT_EQ(DateOf(31), kToday);
}

TEST_F(TaskSchedulerTest, PoliciesShowBothScopesAndWriteCurrentUserThenAllUsers) {
    const std::pair<TweakId, Lines> policies[] = {
        {32, {"Property Pages"}},   {33, {"Allow Browse"}},
        {34, {"DragAndDrop"}},      {35, {"Execution"}},
        {36, {"Disable Advanced"}}, {37, {"Task Creation", "Task Deletion"}}};
    for (const auto& [id, values] : policies) {
        SCOPED_TRACE(id);
        Load(std::string("[-HKCU\\") + kWindowsPolicies + "]\n[-HKLM\\" + kWindowsPolicies +
             "]\n[HKCU\\" + kWindowsPolicies + "]\n[HKLM\\" + kSchedulerPolicies + "]\n\"" +
             values[0] + "\"=dword:00000001\n");
        Show(id);
        EXPECT_FALSE(Checked(ctl::MainCheck));
        EXPECT_TRUE(Checked(ctl::SecondCheck));
        Check(true, ctl::MainCheck);
        Check(false, ctl::SecondCheck);
        Apply();
        // Only the scheduler's own key is created, below the Windows policy key; each value
        // is written with its own open and close.
        Lines expected;
        for (const char* key : {kUserPolicies, kMachinePolicies}) {
            for (const std::string& value : values) {
                expected.push_back(std::string("Create ") + key);
                expected.push_back(std::string("Set ") + key + " : " + value);
                EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kSchedulerPolicies, value.c_str()),
                          DwordValue(1));
                EXPECT_EQ(
                    ReadValue(registry, hive::LocalMachine, kSchedulerPolicies, value.c_str()),
                    DwordValue(0));
            }
        }
        EXPECT_EQ(Changes(registry), expected);
        EXPECT_EQ(DateOf(id), kToday);
    }
}

TEST_F(TaskSchedulerTest, AScopeWithoutTheWindowsPolicyKeyDoesNotStopTheOther) {
    Load(std::string("[HKLM\\") + kWindowsPolicies + "]\n");
    Show(32);
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{std::string("Create ") + kMachinePolicies,
                     std::string("Set ") + kMachinePolicies + " : Property Pages"}));
    EXPECT_EQ(DateOf(32), kToday);
}

}  // namespace
}  // namespace tallowick
