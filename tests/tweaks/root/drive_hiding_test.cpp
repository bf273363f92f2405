// The drive page through the application core: filled once when its page is made, written
// only by its own button.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "engine/registry_conventions.h"
#include "support/registry_test_support.h"
#include "support/returning_user.h"
#include "tweaks/categories.h"

namespace tallowick {
namespace {

constexpr PageId kPage = PageId::DriveHidePage;
constexpr const char* kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kShowAll =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Advanced\\Folder\\Hidden\\SHOWALL";

class DrivePageTest : public ::testing::Test {
  protected:
    // The page reads the machine when it is made, as the program makes it: when first shown.
    void Start(const std::string& reg = "") {
        ASSERT_TRUE(registry.LoadRegText("REGEDIT4\n" + reg));
        core.reset();
        pages = std::make_unique<MemoryPages>(PageLayouts(), MemoryPages::Creation::OnFirstUse);
        core = std::make_unique<AppCore>(registry, host, *pages);
        StartAsReturningUser(registry, host, *core, RegisterAllCategories);
        core->OnSelect(311);
    }
    void Press() {
        registry.ClearCalls();
        core->OnPageButton(kPage, ctl::DriveApply);
    }
    void Tick(int item, bool on) { pages->TreeSetCheckState(kPage, ctl::DriveTree, item, on); }
    std::optional<RegValue> NoDrives() {
        return ReadValue(registry, hive::CurrentUser, kPolicies, "NoDrives");
    }
    std::optional<std::string> Option(const char* name) {
        return ReadText(registry, hive::LocalMachine, kShowAll, name);
    }
    bool WroteOptions() const {
        for (const RegCall& call : registry.Calls()) {
            if (call.hive == hive::LocalMachine && call.op == RegOp::Set)
                return true;
        }
        return false;
    }

    MemoryRegistry registry;
    FakeHost host;
    std::unique_ptr<MemoryPages> pages;
    std::unique_ptr<AppCore> core;
};

TEST_F(DrivePageTest, ListsFixedAndNetworkDrivesAndKeepsTheBitsOfOthers) {
    host.drives = {{'A', {drive::Removable, std::nullopt}}, {'C', {drive::Fixed, "SYSTEM"}},
                   {'D', {drive::CdRom, "DISC"}},           {'E', {drive::Fixed, ""}},
                   {'F', {drive::Fixed, std::nullopt}},     {'G', {drive::RamDisk, ""}},
                   {'Z', {drive::Remote, "share"}}};
    // A:, C:, D:, Z: and two bits past Z: hidden.
    Start(std::string("[HKCU\\") + kPolicies + "]\n\"NoDrives\"=dword:8600000d\n");
    // Letter order, as "%s [ %s ] " of root and label; a label that cannot be read is empty.
    const char* const rows[] = {"C:\\ [ SYSTEM ] ", "E:\\ [  ] ", "F:\\ [  ] ", "Z:\\ [ share ] "};
    ASSERT_EQ(pages->TreeGetCount(kPage, ctl::DriveTree), 4);
    for (int item = 0; item < 4; ++item) {
        EXPECT_EQ(pages->TreeGetItemText(kPage, ctl::DriveTree, item), rows[item]);
        EXPECT_EQ(pages->TreeGetCheckState(kPage, ctl::DriveTree, item), item == 0 || item == 3);
    }
    EXPECT_FALSE(pages->IsControlVisible(PageId::MainDialog, kApplyChangesButton));
    Tick(0, false);
    Tick(1, true);
    // Selected again, the page keeps the user's ticks: it is not read again.
    core->OnSelect(1);
    core->OnApply();
    core->OnSelect(311);
    EXPECT_EQ(NoDrives(), DwordValue(0x8600000d)) << "nothing written before the press";
    Press();
    EXPECT_EQ(NoDrives(), DwordValue(0x86000019)) << "A:, D: and bits 26 and 31 kept";
    EXPECT_FALSE(WroteOptions()) << "the radio choice was not changed";
    EXPECT_EQ(core->Dates().LookUp("Privacy"), "6/19/2006");
    EXPECT_TRUE(host.messageBoxes.empty());

    Tick(1, false);
    Tick(3, false);
    ASSERT_TRUE(
        registry.LoadRegText(std::string("REGEDIT4\n[HKCU\\") + kPolicies + "]\n\"NoDrives\"=-\n"));
    Press();
    EXPECT_EQ(NoDrives(), DwordValue(0)) << "written also when nothing is hidden";
}

TEST_F(DrivePageTest, WritesTheFolderOptionEntriesOnlyWhenTheChoiceChanged) {
    // Only the exact "radio" shows the choice allowed.
    const std::pair<const char*, bool> types[] = {
        {nullptr, false}, {"", false}, {"Radio", false}, {"radio", true}};
    for (const auto& [type, allows] : types) {
        SCOPED_TRACE(type ? type : "missing");
        Start(std::string("[-HKLM\\") + kShowAll + "]\n" +
              (type ? std::string("[HKLM\\") + kShowAll + "]\n\"Type\"=\"" + type + "\"\n" : ""));
        EXPECT_EQ(pages->IsChecked(kPage, ctl::AllowHiddenOptions), allows);
        EXPECT_EQ(pages->IsChecked(kPage, ctl::DenyHiddenOptions), !allows);
        Press();
        EXPECT_FALSE(WroteOptions()) << "a press for the drives leaves the entries alone";
    }
    pages->Click(kPage, ctl::DenyHiddenOptions);
    Press();
    EXPECT_EQ(Option("Text"), "");
    Press();
    EXPECT_FALSE(WroteOptions()) << "applied once, not again";
    pages->Click(kPage, ctl::AllowHiddenOptions);
    Press();
    EXPECT_EQ(Option("Text"), "@shell32.dll,-30500");
    EXPECT_EQ(Option("ValueName"), "Hidden");
}

TEST_F(DrivePageTest, AFailedWriteIsReportedOnceAndTriedAgainAtTheNextPress) {
    Start();
    pages->Click(kPage, ctl::AllowHiddenOptions);
    registry.FailOn(RegOp::Create, hive::LocalMachine, kShowAll, err::AccessDenied);
    Press();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_NE(host.messageBoxes[0].text.find("HKEY_LOCAL_MACHINE\\SOFTWARE"), std::string::npos);
    EXPECT_EQ(NoDrives(), DwordValue(0)) << "the other writes go on";
    registry.ClearFaults();
    Press();
    EXPECT_EQ(Option("Type"), "radio");
}

}  // namespace
}  // namespace tallowick
