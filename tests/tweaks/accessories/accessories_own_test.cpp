#include <optional>
#include <string>

#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kEnvironmentKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr const char* kTourKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Tour";
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
[HKEY_CLASSES_ROOT\AudioCD\Shell\Play\Command]
)";

class AccessoriesOwnTest : public TweakTest {
  protected:
    // A key created, a value set or deleted by the last Apply.
    bool Changed() {
        for (const RegCall& call : registry.Calls()) {
            const bool reads =
                call.op == RegOp::Connect || call.op == RegOp::Open || call.op == RegOp::Query;
            if (!reads && call.result == err::Success)
                return true;
        }
        return false;
    }
};

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
    struct Row {
        TweakId id;
        const char* caption;
        bool checked;
    };
    const Row rows[] = {{43, "Disable Task Manager.", true},
                        {45, "Enable Using the Notepad to Open a File.", true},
                        {46, "Enable Saving Changes to the Notepad Configuration.", true},
                        {47, "Enable Showing All Hidden Devices in Device Manager.", true},
                        {48, "Enable Showing Detailed Information in Device Manager.", false},
                        {50, "Enable Using Smooth Scrolling in Telnet.", true}};
    for (const Row& row : rows) {
        Show(row.id);
        EXPECT_EQ(pages.GetText(PageId::MultiCheckPage, ctl::MainCheck), row.caption);
        EXPECT_EQ(Checked(), row.checked) << row.id;
    }

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
    Load("[HKEY_CURRENT_USER\\Software\\Microsoft]\n");
    struct Row {
        TweakId id;
        RegKey hive;
        const char* key;
        const char* value;
        std::optional<RegValue> checked, unchecked;  // nullopt: no value
        bool creates;
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
        {47, hive::LocalMachine, kEnvironmentKey, "DEVMGR_SHOW_NONPRESENT_DEVICES", SzValue("1"),
         std::nullopt, false},
        {48, hive::LocalMachine, kEnvironmentKey, "DEVMGR_SHOW_DETAILS", SzValue("1"), SzValue("0"),
         false},
        {50, hive::CurrentUser, "Software\\Microsoft\\Telnet", "SmoothScroll", DwordValue(1),
         DwordValue(0), true}};
    host.version = kWinXP;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + " " + row.value);
        Show(row.id);
        Check(true);
        Apply();
        EXPECT_EQ(KeyCreated(), row.creates);
        EXPECT_EQ(ReadValue(registry, row.hive, row.key, row.value), row.checked);
        EXPECT_EQ(DateOf(row.id), kToday);
        Check(false);
        Apply();
        EXPECT_EQ(ReadValue(registry, row.hive, row.key, row.value), row.unchecked);
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(AccessoriesOwnTest, KeysThatAreOnlyOpenedAreLeftMissingButTheDateIsRecorded) {
    // 43 creates System, but only below an existing Policies key.
    for (TweakId id : {43, 46, 47, 48}) {
        SCOPED_TRACE(id);
        for (bool on : {true, false}) {
            Show(id);
            Check(on);
            Apply();
            EXPECT_FALSE(Changed());
        }
        EXPECT_EQ(DateOf(id), kToday);
    }
    Show(49);
    Type("C:\\Player\\play.exe");
    Apply();
    EXPECT_FALSE(Changed());
    EXPECT_EQ(DateOf(49), kToday);
    EXPECT_FALSE(KeyExists(registry, hive::CurrentUser, "Software\\Microsoft\\Notepad"));
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, "AudioCD"));
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(AccessoriesOwnTest, TheTourIsWrittenPerScopeCreatingItsKeys) {
    Load(R"(
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets\Tour]
"RunCount"=dword:00000001
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Applets]
)");
    Show(44);
    EXPECT_FALSE(Checked(ctl::MainCheck));
    EXPECT_FALSE(Checked(ctl::SecondCheck));
    Check(true, ctl::MainCheck);
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kTourKey, "RunCount"), DwordValue(0));
    EXPECT_EQ(Export(hive::LocalMachine, kTourKey), R"(Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Applets\Tour]
"RunCount"=dword:00000001

)");

    Check(false, ctl::MainCheck);
    Check(true, ctl::SecondCheck);
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kTourKey, "RunCount"), DwordValue(1));
    EXPECT_EQ(ReadValue(registry, hive::LocalMachine, kTourKey, "RunCount"), DwordValue(0));
    EXPECT_EQ(DateOf(44), kToday);
}

TEST_F(AccessoriesOwnTest, GatedTweaksRefuseOtherVersionsWithTheirAlert) {
    Load(kConfigured);
    const std::string before = registry.SaveRegText();
    struct Row {
        TweakId id;
        OsVersion version;
        const char* alert;
        bool flips;
    };
    const char* const onlyXp = "These Tweak active only on Windows XP";
    const char* const only2000Xp = "These Tweak active only on Windows 2000/XP";
    const Row rows[] = {{43, kWin2000, onlyXp, true},    {43, kWin98, onlyXp, true},
                        {44, kWin2000, onlyXp, false},   {44, kWinVista, onlyXp, false},
                        {47, kWinNT4, only2000Xp, true}, {47, kWinMe, only2000Xp, true},
                        {48, kWin95, only2000Xp, true},  {48, kWinVista, only2000Xp, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        host.version = row.version;
        Show(row.id);
        const bool main = Checked(ctl::MainCheck);
        const bool second = Checked(ctl::SecondCheck);
        Check(!main, ctl::MainCheck);
        Check(!second, ctl::SecondCheck);
        Apply();
        ExpectAlert(row.alert);
        EXPECT_EQ(Checked(ctl::MainCheck), row.flips ? main : !main);
        EXPECT_EQ(Checked(ctl::SecondCheck), !second);  // never flipped back
        EXPECT_TRUE(registry.Calls().empty());
        EXPECT_EQ(DateOf(row.id), kEarlier);
    }
    EXPECT_EQ(registry.SaveRegText(), before);

    // On their own versions they write; the ungated ones write everywhere.
    const std::pair<TweakId, OsVersion> passing[] = {
        {47, kWin2000}, {48, kWin2000}, {45, kWin95}, {46, kWinMe}, {49, kWinNT4}, {50, kWinVista}};
    for (const auto& [id, version] : passing) {
        host.version = version;
        Show(id);
        Apply();
        EXPECT_TRUE(host.messageBoxes.empty()) << id;
        EXPECT_EQ(DateOf(id), kToday) << id;
    }
}

TEST_F(AccessoriesOwnTest, ThePlayerCommandIsTheProgramAndThePlaySwitch) {
    Load("[HKEY_CLASSES_ROOT\\AudioCD\\Shell\\Play\\Command]\n@=\"old\"\n");
    Show(49);
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit1), "old");
    // An empty edit is refused once the date is recorded.
    Type("");
    Apply();
    ExpectAlert("Please Set the Program Path");
    EXPECT_FALSE(Changed());
    EXPECT_EQ(DateOf(49), kToday);
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, kPlayKey, ""), SzValue("old"));

    Type("C:\\Player\\play.exe");
    Apply();
    EXPECT_EQ(ReadValue(registry, hive::ClassesRoot, kPlayKey, ""),
              SzValue("C:\\Player\\play.exe  /play %1"));
    Show(49);
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit1), "C:\\Player\\play.exe");
}

}  // namespace
}  // namespace tallowick
