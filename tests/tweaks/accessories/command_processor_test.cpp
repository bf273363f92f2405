#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kProcessorKey = "Software\\Microsoft\\Command Processor";
constexpr const char* kPageTop = "MainDialog (102)\n  1016 button \"Apply Changes\"\n";
constexpr const char* kNoteLine =
    "  1024 static \"Note:\\n\\tYou may need to restart or log out of Windows for the change to "
    "take effect.\"\n";

struct Version {
    const char* name;
    OsVersion version;
};
// The order the gate strings below follow.
const Version kVersions[] = {{"95", kWin95},      {"98", kWin98},     {"Me", kWinMe},
                             {"NT4", kWinNT4},    {"2000", kWin2000}, {"XP", kWinXP},
                             {"Vista", kWinVista}};

class CommandProcessorTest : public TweakTest {
  protected:
    // The description line of a page, as the catalogue words it.
    std::string DescriptionLine(TweakId id) {
        const TweakRecord& record = core.Catalogue()[id];
        return "  1006 static \"" + record.name + ":\\n" + record.description + "\"\n";
    }
    // The calls of the last Apply that change the registry, in order.
    std::vector<std::string> Changes() const { return tallowick::Changes(registry); }
    std::optional<RegValue> Value(RegKey hiveKey, const char* name) {
        return ReadValue(registry, hiveKey, kProcessorKey, name);
    }
    void Toggle(PageId page) { pages.SetCheck(page, 1013, !pages.IsChecked(page, 1013)); }
};

TEST_F(CommandProcessorTest, MenuEntryKeepsItsLabelAndStartsTheInterpreterOfTheRunningFamily) {
    Load("[HKCR\\Directory\\shell\\Command]\n@=\"Open Prompt\"\n");
    EXPECT_EQ(Show(2), std::string(kPageTop) + "PathEditPage (171)\n" + DescriptionLine(2) +
                           "  1013 checkbox [x] \"Enable Command Prompt menu option\"\n"
                           "  1014 static \"Menu Label:\"\n"
                           "  1015 edit \"Open Prompt\"\n" +
                           kNoteLine);
    // Vista is none of the named versions but, being NT, runs cmd.exe too.
    const std::pair<OsVersion, const char*> cases[] = {
        {kWin95, "command.com"}, {kWin98, "command.com"},       {kWinMe, "command.com"},
        {kWinNT4, "cmd.exe"},    {kWin2000, "cmd.exe"},         {kWinXP, "cmd.exe"},
        {kWinVista, "cmd.exe"},  {{4, 50, 0, 1}, "command.com"}};
    for (const auto& [version, interpreter] : cases) {
        SCOPED_TRACE(interpreter);
        host.version = version;
        pages.SetText(PageId::PathEditPage, 1015, "Prompt Here");
        Apply();
        EXPECT_EQ(Export(hive::ClassesRoot, "Directory\\shell\\Command"),
                  "Windows Registry Editor Version 5.00\n\n"
                  "[HKEY_CLASSES_ROOT\\Directory\\shell\\Command]\n@=\"Prompt Here\"\n\n"
                  "[HKEY_CLASSES_ROOT\\Directory\\shell\\Command\\command]\n@=\"" +
                      std::string(interpreter) + " /k cd %1\"\n\n");
        EXPECT_EQ(DateOf(2), kToday);
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(CommandProcessorTest, MenuEntryRefusesAnEmptyLabelAndUncheckedRemovesTheWholeEntry) {
    Load(
        "[HKCR\\Directory\\shell\\Command]\n@=\"Prompt\"\n"
        "[HKCR\\Directory\\shell\\Command\\command]\n@=\"cmd.exe /k cd %1\"\n");
    Show(2);
    pages.SetText(PageId::PathEditPage, 1015, "");
    Apply();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "Please Set the Command Prompt Menu Name");
    EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
    EXPECT_EQ(host.messageBoxes[0].style, mb::IconHand);
    EXPECT_FALSE(pages.IsChecked(PageId::PathEditPage, 1013));
    EXPECT_TRUE(Changes().empty());
    EXPECT_EQ(DateOf(2), kEarlier);

    Apply();  // now unchecked
    EXPECT_EQ(Changes(),
              std::vector<std::string>{"DeleteTree HKEY_CLASSES_ROOT\\Directory\\shell\\Command"});
    EXPECT_FALSE(KeyExists(registry, hive::ClassesRoot, "Directory\\shell\\Command"));
    EXPECT_TRUE(KeyExists(registry, hive::ClassesRoot, "Directory\\shell"));
    EXPECT_EQ(DateOf(2), kToday);
    EXPECT_NE(Show(2).find("1013 checkbox [ ] \"Enable Command Prompt menu option\"\n"
                           "  1014 static \"Menu Label:\"\n  1015 edit \"\"\n"),
              std::string::npos);
}

TEST_F(CommandProcessorTest, CheckboxesShowTheirValueAndWriteBothStates) {
    Load(
        "[HKCU\\Software\\Microsoft\\Command Processor]\n\"DisableUNCCheck\"=dword:0\n"
        "\"EnableExtensions\"=dword:1\n\"DelayedExpansion\"=dword:0\n"
        "[HKCU\\Console]\n\"QuickEdit\"=dword:0\n");
    EXPECT_EQ(Show(3), std::string(kPageTop) + "MultiCheckPage (170)\n" + DescriptionLine(3) +
                           "  1013 checkbox [ ] \"Allow UNC Paths at the Command Prompt\"\n" +
                           kNoteLine);
    struct Case {
        TweakId id;
        const char* key;
        const char* value;
        std::uint32_t whenChecked;  // the other state stores the other of 0 and 1
    };
    const Case cases[] = {{3, kProcessorKey, "DisableUNCCheck", 1},
                          {6, kProcessorKey, "EnableExtensions", 0},
                          {9, kProcessorKey, "DelayedExpansion", 1},
                          {11, "Console", "QuickEdit", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_NE(Show(c.id).find("1013 checkbox [ ]"), std::string::npos);
        pages.SetCheck(PageId::MultiCheckPage, 1013, true);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::CurrentUser, c.key, c.value),
                  DwordValue(c.whenChecked));
        EXPECT_EQ(DateOf(c.id), kToday);
        EXPECT_NE(Show(c.id).find("1013 checkbox [x]"), std::string::npos);
        pages.SetCheck(PageId::MultiCheckPage, 1013, false);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::CurrentUser, c.key, c.value),
                  DwordValue(1 - c.whenChecked));
    }
}

TEST_F(CommandProcessorTest, GatesRefuseOtherVersionsWithTheirAlertAndWriteNothing) {
    Load(
        "[HKCU\\Software\\Microsoft\\Command Processor]\n\"DisableUNCCheck\"=dword:0\n"
        "\"EnableExtensions\"=dword:1\n\"DelayedExpansion\"=dword:0\n\"DefaultColor\"=dword:7\n"
        "\"CompletionChar\"=dword:9\n\"PathCompletionChar\"=dword:9\n\"AutoRun\"=\"cls\"\n"
        "[HKLM\\Software\\Microsoft\\Command Processor]\n"
        "[HKCU\\Console]\n\"QuickEdit\"=dword:0\n[HKCU\\Software\\Policies\\Microsoft]\n");
    const std::function<void()> check = [&] { Toggle(PageId::MultiCheckPage); };
    const std::function<void()> row = [&] { pages.ListSetSelected(PageId::ListPage, 1007, 1); };
    const std::function<void()> combo = [&] {
        pages.ComboSetCurSel(PageId::ComboCheckPage, 1021, 3);
    };
    const std::function<void()> edit = [&] { pages.SetText(PageId::PathEditPage, 1015, "ver"); };
    const std::string nt = "These Tweak active only on Windows NT/2000/XP";
    const std::string w2k = "These Tweak active only on Windows 2000/XP";
    struct Case {
        TweakId id;
        const char* passes;  // one mark per kVersions entry
        std::string alert;
        std::function<void()> change;
        bool flips;
    };
    const Case cases[] = {{3, "---xxx-", nt, check, true},   {5, "---xxx-", nt, row, false},
                          {6, "----xx-", w2k, check, true},  {7, "----xx-", w2k, row, false},
                          {8, "---xxx-", nt, combo, false},  {9, "----xx-", w2k, check, true},
                          {10, "----xx-", nt, combo, false}, {11, "---xxx-", nt, check, true},
                          {12, "----xx-", nt, edit, false}};
    for (const Case& c : cases) {
        bool passedBefore = false;
        for (std::size_t v = 0; v < std::size(kVersions); ++v) {
            SCOPED_TRACE(std::to_string(c.id) + " on " + kVersions[v].name);
            host.version = kVersions[v].version;
            host.messageBoxes.clear();
            Show(c.id);
            const bool before = pages.IsChecked(PageId::MultiCheckPage, 1013);
            c.change();
            Apply();
            if (c.passes[v] == 'x') {
                EXPECT_TRUE(host.messageBoxes.empty());
                EXPECT_FALSE(Changes().empty());
                EXPECT_EQ(DateOf(c.id), kToday);
                passedBefore = true;
                continue;
            }
            ASSERT_EQ(host.messageBoxes.size(), 1u);
            EXPECT_EQ(host.messageBoxes[0].text, c.alert);
            EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
            EXPECT_EQ(host.messageBoxes[0].style, mb::IconHand);
            EXPECT_TRUE(Changes().empty());
            if (!passedBefore) {
                EXPECT_EQ(DateOf(c.id), kEarlier);
            }
            if (c.flips) {
                EXPECT_EQ(pages.IsChecked(PageId::MultiCheckPage, 1013), before);
            }
        }
    }
}

TEST_F(CommandProcessorTest, ListsSelectTheStoredRowAndStoreTheRowIndex) {
    Load(
        "[HKCU\\Software\\Policies\\Microsoft]\n"
        "[HKCU\\Software\\Microsoft\\Command Processor]\n\"DefaultColor\"=dword:0000001f\n");
    const std::string page7 = Show(7);
    EXPECT_EQ(page7, std::string(kPageTop) + "ListPage (106)\n" + DescriptionLine(7) +
                         "  1007 list columns \"Command Prompt and Batch Files\" 380\n"
                         "    0 \"Allow the command prompt and batch files\"\n"
                         "    1 \"Disable the command prompt and batch files\"\n"
                         "    2 \"Disable the command prompt but allow batch files\"\n");
    pages.ListSetSelected(PageId::ListPage, 1007, 2);
    Apply();
    EXPECT_EQ(Changes(),
              (std::vector<std::string>{
                  "Create HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Windows\\System",
                  "Set HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Windows\\System : "
                  "DisableCMD"}));
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser,
                        "Software\\Policies\\Microsoft\\Windows\\System", "DisableCMD"),
              DwordValue(2));
    EXPECT_NE(Show(7).find("    2 \"Disable the command prompt but allow batch files\" selected"),
              std::string::npos);

    // White on blue is no row: nothing is selected, and Apply records the date only.
    const std::string page5 = Show(5);
    EXPECT_NE(page5.find("\"Text Color on Black Background\" 380\n"
                         "    0 \"Console Default (no color set)\"\n    1 \"Blue\"\n"),
              std::string::npos);
    EXPECT_EQ(page5.find("selected"), std::string::npos);
    Apply();
    EXPECT_TRUE(Changes().empty());
    EXPECT_EQ(DateOf(5), kToday);
    pages.ListSetSelected(PageId::ListPage, 1007, 10);
    Apply();
    EXPECT_EQ(Value(hive::CurrentUser, "DefaultColor"), DwordValue(10));
    EXPECT_NE(Show(5).find("    10 \"Light Green\" selected"), std::string::npos);
}

TEST_F(CommandProcessorTest, CompletionCombosMapEachItemAndWriteTheUserBeforeTheMachine) {
    Load(
        "[HKCU\\Software\\Microsoft\\Command Processor]\n\"CompletionChar\"=dword:9\n"
        "\"PathCompletionChar\"=dword:9\n"
        "[HKLM\\Software\\Microsoft\\Command Processor]\n\"CompletionChar\"=dword:20\n"
        "\"PathCompletionChar\"=dword:20\n");
    EXPECT_EQ(Show(8), std::string(kPageTop) + "ComboCheckPage (172)\n" + DescriptionLine(8) +
                           "  1014 static \"Completion Key (Current User)\"\n"
                           "  1019 static \"Completion Key (All Users)\"\n"
                           "  1021 combo \"Tab\" sel 2 of 5: \"Not set\", \"Ctrl+H\", \"Tab\", "
                           "\"Ctrl+D\", \"Ctrl+F\"\n"
                           "  1022 combo \"\" sel - of 5: \"Not set\", \"Ctrl+H\", \"Tab\", "
                           "\"Ctrl+D\", \"Ctrl+F\"\n" +
                           kNoteLine);
    for (const char* value : {"CompletionChar", "PathCompletionChar"}) {
        SCOPED_TRACE(value);
        const TweakId id = std::string(value) == "CompletionChar" ? 8 : 10;
        const std::string user = std::string("HKEY_CURRENT_USER\\") + kProcessorKey + " : " + value;
        const std::string machine =
            std::string("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Command Processor : ") + value;
        Show(id);
        // 0x20 is no item: nothing selected, which stores 0xFFFFFFFF.
        Apply();
        EXPECT_EQ(Changes(), (std::vector<std::string>{"Set " + user, "Set " + machine}));
        EXPECT_EQ(Value(hive::CurrentUser, value), DwordValue(9));
        EXPECT_EQ(Value(hive::LocalMachine, value), DwordValue(0xFFFFFFFF));

        const std::pair<int, std::uint32_t> table[] = {{1, 8}, {2, 9}, {3, 4}, {4, 6}, {-1, ~0u}};
        for (const auto& [index, stored] : table) {
            pages.ComboSetCurSel(PageId::ComboCheckPage, 1022, index);
            Apply();
            EXPECT_EQ(Value(hive::LocalMachine, value), DwordValue(stored)) << index;
        }
        pages.ComboSetCurSel(PageId::ComboCheckPage, 1021, 0);
        Apply();
        // SHDeleteValueA deletes through a key of its own, which the log shows first.
        EXPECT_EQ(Changes(), (std::vector<std::string>{"DeleteValue " + user,
                                                       "DeleteValueAt " + user, "Set " + machine}));
        EXPECT_FALSE(Value(hive::CurrentUser, value));
        EXPECT_NE(Show(id).find("1021 combo \"\" sel - of 5"), std::string::npos);
    }
}

TEST_F(CommandProcessorTest, StartupCommandIsWrittenAsTextAndDeletedWhenEmpty) {
    Load("[HKCU\\Software\\Microsoft\\Command Processor]\n\"AutoRun\"=\"cls\"\n");
    EXPECT_EQ(Show(12), std::string(kPageTop) + "PathEditPage (171)\n" + DescriptionLine(12) +
                            "  1014 static \"The Command or Program Path:\"\n"
                            "  1015 edit \"cls\"\n  1023 button \"...\"\n" +
                            kNoteLine);
    pages.SetText(PageId::PathEditPage, 1015, "doskey /macrofile=C:\\macros.txt");
    Apply();
    EXPECT_EQ(Value(hive::CurrentUser, "AutoRun"), SzValue("doskey /macrofile=C:\\macros.txt"));
    pages.SetText(PageId::PathEditPage, 1015, "");
    Apply();
    const std::string autoRun = "HKEY_CURRENT_USER\\" + std::string(kProcessorKey) + " : AutoRun";
    EXPECT_EQ(Changes(),
              (std::vector<std::string>{"DeleteValue " + autoRun, "DeleteValueAt " + autoRun}));
    EXPECT_FALSE(Value(hive::CurrentUser, "AutoRun"));
}

TEST_F(CommandProcessorTest, MissingKeysAreNotCreatedAndTheDateFollowsEachTweaksRule) {
    // Nothing of the group exists: only 7 creates keys, and below a key that is missing too.
    struct Case {
        TweakId id;
        std::function<void()> change;
        const char* date;  // recorded before the writes, or only with a write
    };
    const Case cases[] = {
        {2, [&] { pages.SetText(PageId::PathEditPage, 1015, "Prompt"); }, kEarlier},
        {3, [&] { Toggle(PageId::MultiCheckPage); }, kEarlier},
        {5, [&] { pages.ListSetSelected(PageId::ListPage, 1007, 1); }, kToday},
        {6, [&] { Toggle(PageId::MultiCheckPage); }, kEarlier},
        {7, [&] { pages.ListSetSelected(PageId::ListPage, 1007, 1); }, kToday},
        {8, [&] { pages.ComboSetCurSel(PageId::ComboCheckPage, 1021, 2); }, kToday},
        {9, [&] { Toggle(PageId::MultiCheckPage); }, kEarlier},
        {10, [&] { pages.ComboSetCurSel(PageId::ComboCheckPage, 1022, 2); }, kToday},
        {11, [&] { Toggle(PageId::MultiCheckPage); }, kEarlier},
        {12, [&] { pages.SetText(PageId::PathEditPage, 1015, "cls"); }, kToday}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Show(c.id);
        if (c.id == 2)
            pages.SetCheck(PageId::PathEditPage, 1013, true);
        c.change();
        Apply();
        EXPECT_FALSE(KeyCreated());
        EXPECT_TRUE(Changes().empty());
        EXPECT_EQ(DateOf(c.id), c.date);
    }
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
