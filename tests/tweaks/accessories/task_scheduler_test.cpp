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

class TaskSchedulerTest : public TweakTest {
  protected:
    void Check(int id, bool checked) { pages.SetCheck(PageId::MultiCheckPage, id, checked); }
    void Edit(int id, const std::string& text) { pages.SetText(PageId::PathEditPage, id, text); }
};

TEST_F(TaskSchedulerTest, LogSettingsShowTheNumbersAndWriteWhatAtoiMakesOfTheEdits) {
    Load(std::string("[HKLM\\") + kAgent +
         "]\n\"MaxLogSizeKB\"=dword:00000400\n\"LogPath\"=\"%SystemRoot%\\\\SchedLgU.txt\"\n");
    EXPECT_EQ(Show(31),
              "MainDialog (102)\n"
              "  1016 button \"Apply Changes\"\n"
              "PathEditPage (171)\n"
              "  1006 static \"Change the Scheduler Log File Settings:\\n" +
                  core.Catalogue()[31].description +
                  "\"\n"
                  "  1014 static \"Maximum Log File Size (KB):\"\n"
                  "  1015 edit \"1024\"\n"
                  "  1017 edit \"\"\n"
                  "  1019 static \"Minutes Before Idle:\"\n"
                  "  1024 static \"Note:\\n\\tYou may need to restart or log out of Windows for "
                  "the change to take effect.\"\n");
    Edit(ctl::Edit1, "big");
    Edit(ctl::Edit2, " 15 minutes");
    host.version = kWin95;  // no version is refused
    Apply();
    EXPECT_EQ(Export(hive::LocalMachine, kAgent),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\SchedulingAgent]\n"
              "\"LogPath\"=\"%SystemRoot%\\\\SchedLgU.txt\"\n"
              "\"MaxLogSizeKB\"=dword:00000000\n"
              "\"MinutesBeforeIdle\"=dword:0000000f\n\n");
    EXPECT_EQ(DateOf(31), kToday);
}

TEST_F(TaskSchedulerTest, LogSettingsCreateTheAgentKey) {
    Show(31);
    Edit(ctl::Edit1, "512");
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kAgent, "MaxLogSizeKB"), DwordValue(512));
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kAgent, "MinutesBeforeIdle"), DwordValue(0));
}

struct SchedulerPolicy {
    TweakId id;
    const char* user;
    const char* machine;
    Lines values;
};

const SchedulerPolicy kPolicies[] = {
    {32,
     "Disable Changes to Task Properties(Current User)",
     "Disable Changes to Task Properties(All Users)",
     {"Property Pages"}},
    {33,
     "Disable Changes to Task Run Command(Current User)",
     "Disable Changes to Task Run Command(All Users)",
     {"Allow Browse"}},
    {34,
     "Disable Drag and Drop Task Scheduling(Current User)",
     "Disable Drag and Drop Task Scheduling (All Users)",
     {"DragAndDrop"}},
    {35,
     "Disable Manual Task Control(Current User)",
     "Disable Manual Task Control(All Users)",
     {"Execution"}},
    {36,
     "Remove Advanced Option from Task Scheduler Wizard(Current User)",
     "Remove Advanced Option from Task Scheduler Wizard(All Users)",
     {"Disable Advanced"}},
    {37,
     "Restrict Task Creation and Deletion(Current User)",
     "Restrict Task Creation and Deletion(All Users)",
     {"Task Creation", "Task Deletion"}},
};

TEST_F(TaskSchedulerTest, PoliciesShowBothScopesAndWriteCurrentUserThenAllUsers) {
    for (const SchedulerPolicy& policy : kPolicies) {
        SCOPED_TRACE(policy.id);
        Load(std::string("[-HKCU\\") + kWindowsPolicies + "]\n[-HKLM\\" + kWindowsPolicies +
             "]\n[HKCU\\" + kWindowsPolicies + "]\n[HKLM\\" + kSchedulerPolicies + "]\n\"" +
             policy.values[0] + "\"=dword:00000001\n");
        const std::string page = Show(policy.id);
        EXPECT_NE(page.find(std::string("  1013 checkbox [ ] \"") + policy.user +
                            "\"\n  1018 checkbox [x] \"" + policy.machine + "\"\n"),
                  std::string::npos)
            << page;
        Check(ctl::MainCheck, true);
        Check(ctl::SecondCheck, false);
        host.version = policy.id % 2 ? kWinMe : kWin2000;
        Apply();
        // Only the scheduler's own key is created, below the Windows policy key; each value
        // is written with its own open and close.
        Lines expected;
        for (const char* key : {kUserPolicies, kMachinePolicies}) {
            for (const std::string& value : policy.values) {
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
        EXPECT_EQ(DateOf(policy.id), kToday);
    }
}

TEST_F(TaskSchedulerTest, PolicyKeyIsOnlyCreatedUnderAnExistingWindowsPolicyKey) {
    Show(32);
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(32), kEarlier);  // the date comes with a write

    Load(std::string("[HKLM\\") + kWindowsPolicies + "]\n");
    Apply();
    EXPECT_EQ(Changes(registry),
              (Lines{std::string("Create ") + kMachinePolicies,
                     std::string("Set ") + kMachinePolicies + " : Property Pages"}));
    EXPECT_EQ(DateOf(32), kToday);
}

TEST_F(TaskSchedulerTest, PoliciesAreRefusedBefore2000AndMeWithoutTouchingThePage) {
    Load(std::string("[HKCU\\") + kWindowsPolicies + "]\n");
    for (OsVersion version : {kWin98, kWinNT4, kWinVista}) {
        Show(37);
        Check(ctl::SecondCheck, true);
        host.version = version;
        host.messageBoxes.clear();
        Apply();
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, "These Tweak active only on Windows 2000/Me/XP");
        EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
        EXPECT_TRUE(Changes(registry).empty());
        EXPECT_FALSE(pages.IsChecked(PageId::MultiCheckPage, ctl::MainCheck));
        EXPECT_TRUE(pages.IsChecked(PageId::MultiCheckPage, ctl::SecondCheck));
        EXPECT_EQ(DateOf(37), kEarlier);
    }
}

}  // namespace
}  // namespace tallowick
