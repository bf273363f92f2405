#include <optional>
#include <string>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr const char* kPlayKey = "AudioCD\\Shell\\Play\\Command";

// Every tweak of the category set, but 44 for all users and 48; 46's two values agree.
constexpr const char* kConfigured = R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System]
"DisableTaskMgr"=dword:00000001
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets\Tour]
"RunCount"=dword:00000000
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Applets\Tour]
"RunCount"=dword:00000001
[HKEY_CLASSES_ROOT\shell]
@="notepad.exe %1"
[HKEY_CURRENT_USER\Software\Microsoft\Notepad]
"fSavePageSettings"=dword:00000001
"fSaveWindowPositions"=dword:00000001
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Environment]
"DEVMGR_SHOW_NONPRESENT_DEVICES"="1"
"DEVMGR_SHOW_DETAILS"="0"
[HKEY_CLASSES_ROOT\AudioCD\Shell\Play\Command]
@="\"C:\\Player\\play.exe\"  /play %1"
[HKEY_CURRENT_USER\Software\Microsoft\Telnet]
"SmoothScroll"=dword:00000001
)";

// The keys the tweaks open, without their values or the keys they create.
constexpr const char* kParentsOnly = R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies]
[HKEY_CURRENT_USER\Software\Microsoft\Notepad]
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Environment]
)";

using AccessoriesOwnTest = TweakTest;

TEST_F(AccessoriesOwnTest, PagesShowTheStoredStateAndApplyWritesItBackUnchanged) {
    Load(kConfigured);
    EXPECT_EQ(Show(44), Page(44, "MultiCheckPage (170)",
                             "  1013 checkbox [x] \"Disable The WindowXP Tour.(Current User)\"\n"
                             "  1018 checkbox [ ] \"Disable The WindowXP Tour.(All Users)\"\n"));
    // The switch the player is started with is not part of what the user edits.
    EXPECT_EQ(Show(49), Page(49, "PathEditPage (171)",
                             "  1014 static \"The Program Path:\"\n"
                             "  1015 edit \"\"C:\\Player\\play.exe\"\"\n"
                             "  1023 button \"...\"\n"));
    // A box shown in the wrong state would write the other one back.
    const std::string before = registry.SaveRegText();
    for (TweakId id = 43; id <= 50; ++id) {
        Show(id);
        Apply();
    }
    EXPECT_EQ(registry.SaveRegText(), before);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(AccessoriesOwnTest, CheckboxesWriteEachStateAndCreateOnlyTheirOwnKeys) {
    Load(kParentsOnly);
    struct Row {
        TweakId id;
        RegKey hive;
        const char* key;
        const char* value;
        RegValue checked, unchecked;
        bool creates;  // its key; the others are only opened
    };
    const Row rows[] = {
        {43, hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
         "DisableTaskMgr", DwordValue(1), DwordValue(0), true},
        // The empty text is written with its length, 0: no bytes at all.
        {45, hive::ClassesRoot, "shell", "", SzValue("notepad.exe %1"), RegValue{regtype::Sz, {}},
         true},
        {46, hive::CurrentUser, "Software\\Microsoft\\Notepad", "fSavePageSettings", DwordValue(1),
         DwordValue(0), false},
        {46, hive::CurrentUser, "Software\\Microsoft\\Notepad", "fSaveWindowPositions",
         DwordValue(1), DwordValue(0), false},
        {48, hive::LocalMachine, kEnvironmentKey, "DEVMGR_SHOW_DETAILS", SzValue("1"), SzValue("0"),
         false},
        {50, hive::CurrentUser, "Software\\Microsoft\\Telnet", "SmoothScroll", DwordValue(1),
         DwordValue(0), true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + " " + row.value);
        Show(row.id);
        Check(true);
        Apply();
        EXPECT_EQ(KeyCreated(), row.creates);
        EXPECT_EQ(ReadValue(registry, row.hive, row.key, row.value), row.checked);
        Check(false);
        Apply();
        EXPECT_EQ(ReadValue(registry, row.hive, row.key, row.value), row.unchecked);
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(AccessoriesOwnTest, ThePlayerCommandIsTheProgramAndThePlaySwitch) {
    Load("[HKEY_CLASSES_ROOT\\AudioCD\\Shell\\Play\\Command]\n@=\"old\"\n");
    Show(49);
    // An empty edit is refused once the date is recorded.
    Type("");
    Apply();
    ExpectAlert("Please Set the Program Path");
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(49), kToday);

    Type("C:\\Player\\play.exe");
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, kPlayKey, ""),
              SzValue("C:\\Player\\play.exe  /play %1"));
}

}  // namespace
}  // namespace tallowick
