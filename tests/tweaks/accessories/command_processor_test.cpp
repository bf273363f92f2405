#include <string>
#include <vector>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kProcessorKey = "Software\\Microsoft\\Command Processor";

class CommandProcessorTest : public TweakTest {
  protected:
    std::optional<RegValue> Value(RegKey hiveKey, const char* name) {
        return ReadValue(registry, hiveKey, kProcessorKey, name);
    }
};

TEST_F(CommandProcessorTest, MenuEntryKeepsItsLabelAndStartsTheInterpreterOfTheRunningFamily) {
    Load("[HKCR\\Directory\\shell\\Command]\n@=\"Open Prompt\"\n");
    EXPECT_EQ(Show(2), Page(2, "PathEditPage (171)",
                            "  1013 checkbox [x] \"Enable Command Prompt menu option\"\n"
                            "  1014 static \"Menu Label:\"\n"
                            "  1015 edit \"Open Prompt\"\n"));
    // Vista is none of the named versions but, being NT, runs cmd.exe too.
    const std::pair<OsVersion, const char*> cases[] = {
        {kWin95, "command.com"}, {kWin98, "command.com"},       {kWinMe, "command.com"},
        {kWinNT4, "cmd.exe"},    {kWin2000, "cmd.exe"},         {kWinXP, "cmd.exe"},
        {kWinVista, "cmd.exe"},  {{4, 50, 0, 1}, "command.com"}};
    for (const auto& [version, interpreter] : cases) {
        SCOPED_TRACE(interpreter);
        host.version = version;
        Type("Prompt Here");
        Apply();
        EXPECT_EQ(Export(hive::ClassesRoot, "Directory\\shell\\Command"),
                  "Windows Registry Editor Version 5.00\n\n"
                  "[HKEY_CLASSES_ROOT\\Directory\\shell\\Command]\n@=\"Prompt Here\"\n\n"
                  "[HKEY_CLASSES_ROOT\\Directory\\shell\\Command\\command]\n@=\"" +
                      std::string(interpreter) + " /k cd %1\"\n\n");
    }
    EXPECT_EQ(DateOf(2), kToday);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(CommandProcessorTest, MenuEntryRefusesAnEmptyLabelAndUncheckedRemovesTheWholeEntry) {
    Load(
        "[HKCR\\Directory\\shell\\Command]\n@=\"Prompt\"\n"
        "[HKCR\\Directory\\shell\\Command\\command]\n@=\"cmd.exe /k cd %1\"\n");
    Show(2);
    Type("");
    Apply();
    ExpectAlert("Please Set the Command Prompt Menu Name");
    EXPECT_FALSE(pages.IsChecked(PageId::PathEditPage, ctl::MainCheck));
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(2), kEarlier);

    Apply();  // now unchecked
    EXPECT_EQ(Changes(registry), Lines{"DeleteTree HKEY_CLASSES_ROOT\\Directory\\shell\\Command"});
    EXPECT_EQ(DateOf(2), kToday);
}

TEST_F(CommandProcessorTest, CheckboxesWriteBothStates) {
    Load("[HKCU\\Software\\Microsoft\\Command Processor]\n[HKCU\\Console]\n");
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
        Show(c.id);
        Check(true);
        Apply();
        EXPECT_FALSE(KeyCreated());  // only opened
        EXPECT_EQ(ReadValue(registry, hive::CurrentUser, c.key, c.value),
                  DwordValue(c.whenChecked));
        Check(false);
        Apply();
        EXPECT_EQ(ReadValue(registry, hive::CurrentUser, c.key, c.value),
                  DwordValue(1 - c.whenChecked));
    }
}

TEST_F(CommandProcessorTest, ListsSelectTheStoredRowAndStoreTheRowIndex) {
    Load("[HKCU\\Software\\Microsoft\\Command Processor]\n\"DefaultColor\"=dword:0000001f\n");
    EXPECT_EQ(Show(7), Page(7, "ListPage (106)",
                            "  1007 list columns \"Command Prompt and Batch Files\" 380\n"
                            "    0 \"Allow the command prompt and batch files\"\n"
                            "    1 \"Disable the command prompt and batch files\"\n"
                            "    2 \"Disable the command prompt but allow batch files\"\n",
                            false));

    // White on blue is no row: nothing is selected, and Apply records the date only.
    EXPECT_EQ(Show(5).find("selected"), std::string::npos);
    Apply();
    EXPECT_TRUE(Changes(registry).empty());
    EXPECT_EQ(DateOf(5), kToday);
    pages.ListSetSelected(PageId::ListPage, ctl::List, 10);
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
    EXPECT_EQ(Show(8), Page(8, "ComboCheckPage (172)",
                            "  1014 static \"Completion Key (Current User)\"\n"
                            "  1019 static \"Completion Key (All Users)\"\n"
                            "  1021 combo \"Tab\" sel 2 of 5: \"Not set\", \"Ctrl+H\", \"Tab\", "
                            "\"Ctrl+D\", \"Ctrl+F\"\n"
                            "  1022 combo \"\" sel - of 5: \"Not set\", \"Ctrl+H\", \"Tab\", "
                            "\"Ctrl+D\", \"Ctrl+F\"\n"));
    for (const char* value : {"CompletionChar", "PathCompletionChar"}) {
        SCOPED_TRACE(value);
        const TweakId id = std::string(value) == "CompletionChar" ? 8 : 10;
        const std::string user = std::string("HKEY_CURRENT_USER\\") + kProcessorKey + " : " + value;
        const std::string machine =
            std::string("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Command Processor : ") + value;
        Show(id);
        // 0x20 is no item: nothing selected, which stores 0xFFFFFFFF.
        Apply();
        EXPECT_EQ(Changes(registry), (Lines{"Set " + user, "Set " + machine}));
        EXPECT_EQ(Value(hive::CurrentUser, value), DwordValue(9));
        EXPECT_EQ(Value(hive::LocalMachine, value), DwordValue(0xFFFFFFFF));

        const std::pair<int, std::uint32_t> table[] = {{1, 8}, {2, 9}, {3, 4}, {4, 6}, {-1, ~0u}};
        for (const auto& [index, stored] : table) {
            pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo2, index);
            Apply();
            EXPECT_EQ(Value(hive::LocalMachine, value), DwordValue(stored)) << index;
        }
        pages.ComboSetCurSel(PageId::ComboCheckPage, ctl::Combo1, 0);
        Apply();
        // SHDeleteValueA deletes through a key of its own, which the log shows first.
        EXPECT_EQ(Changes(registry),
                  (Lines{"DeleteValue " + user, "DeleteValueAt " + user, "Set " + machine}));
        EXPECT_FALSE(Value(hive::CurrentUser, value));
        EXPECT_NE(Show(id).find("1021 combo \"\" sel - of 5"), std::string::npos);
    }
}

}  // namespace
}  // namespace tallowick
