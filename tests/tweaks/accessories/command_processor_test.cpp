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
    Show(2);
    EXPECT_TRUE(pages.IsChecked(PageId::PathEditPage, ctl::MainCheck));
    EXPECT_EQ(pages.GetText(PageId::PathEditPage, ctl::Edit1), "Open Prompt");
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

}  // namespace
}  // namespace tallowick
