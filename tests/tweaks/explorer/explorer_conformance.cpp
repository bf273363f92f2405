// Desktop and Explorer tweaks against a real registry: one tweak of each declared shape
// and every handwritten handler, run natively on the in-memory registry and under Wine on
// the real one. Every value they change is put back, and every key they make removed.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kAdvanced = kExplorer + "\\Advanced";
const std::string kPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
const std::string kNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace";
const std::string kAdminTools = kNameSpace + "\\{D20EA4E1-3957-11d2-A40B-0C5020524153}";
const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kRecycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder";
const std::string kMyComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
const std::string kMyDocuments = kExplorer + "\\CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}";
const std::string kDirectoryUi = "Software\\Policies\\Microsoft\\Windows\\Directory UI";
const std::string kHandlers = "AllFilesystemObjects\\shellex\\ContextMenuHandlers";
const std::string kProgram = "Applications\\tallowick-conformance.exe";

// The values these cases change.
const std::vector<Touched> kValues = {
    {hive::LocalMachine, kWinlogon, "ScreenSaverGracePeriod"},
    {hive::CurrentUser, kPolicies + "\\Explorer", "NoViewContextMenu"},
    {hive::LocalMachine, kPolicies + "\\Explorer", "NoViewContextMenu"},
    {hive::ClassesRoot, kRecycleBin, "Attributes"},
    {hive::ClassesRoot, kRecycleBin, "CallForAttributes"},
    {hive::ClassesRoot, kMyComputer, "LocalizedString"},
    {hive::CurrentUser, kExplorer + "\\CabinetState", "Use Search Asst"},
    {hive::CurrentUser, kExplorer + "\\AutoComplete", "Append Completion"},
};
// The keys they make, which the prefix does not have.
const std::vector<Touched> kKeys = {
    {hive::LocalMachine, kAdminTools, nullptr},
    {hive::CurrentUser, kMyDocuments, nullptr},
    {hive::LocalMachine, kMyDocuments, nullptr},
    {hive::CurrentUser, kDirectoryUi, nullptr},
    {hive::ClassesRoot, kHandlers + "\\Copy To", nullptr},
    {hive::ClassesRoot, "Directory\\shell\\Explore", nullptr},
    {hive::ClassesRoot, kProgram, nullptr},
};

class DesktopExplorerConformance : public TweakConformance {
  protected:
    DesktopExplorerConformance() : TweakConformance(kValues, kKeys) {
        for (const std::string& path : {kAdvanced, kPolicies + "\\Explorer",
                                        std::string("Software\\Policies\\Microsoft\\Windows")})
            Make(hive::CurrentUser, path);
        for (const std::string& path : {kNameSpace, kWinlogon, kPolicies + "\\Explorer", kExplorer})
            Make(hive::LocalMachine, path);
        for (const std::string& path : {std::string("Directory\\shell"), kHandlers, kMyComputer})
            Make(hive::ClassesRoot, path);
        Start();
    }

    void Select(int index) { pages_.ComboSetCurSel(page_, ctl::Combo1, index); }
    int Selected() { return pages_.ComboGetCurSel(page_, ctl::Combo1); }
};

TEST_F(DesktopExplorerConformance, ClassKeysPoliciesAndExpandableTexts) {
    // Only the row changed after Show is touched; the others keep what they showed.
    Show(80, PageId::ValueListPage);
    pages_.ListSetCheckState(page_, ctl::ValueList, 0, true);
    core_.OnApply();
    EXPECT_TRUE(KeyExists(registry_, hive::LocalMachine, kAdminTools));
    Show(80, PageId::ValueListPage);
    EXPECT_TRUE(pages_.ListGetCheckState(page_, ctl::ValueList, 0));
    pages_.ListSetCheckState(page_, ctl::ValueList, 0, false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::LocalMachine, kAdminTools));

    Show(85, PageId::MultiCheckPage);
    Check(false);
    Check(true, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kPolicies + "\\Explorer", "NoViewContextMenu"), std::nullopt);
    EXPECT_EQ(Get(hive::LocalMachine, kPolicies + "\\Explorer", "NoViewContextMenu"),
              DwordValue(1));

    Show(93, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kMyComputer, "LocalizedString"),
              SzValue("%USERNAME% on %COMPUTERNAME%", regtype::ExpandSz));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

TEST_F(DesktopExplorerConformance, GracePeriodAndAttributeMasks) {
    Show(82, PageId::CheckComboPage);
    Check(true);
    Select(9);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "ScreenSaverGracePeriod"), SzValue("9"));
    Check(false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kWinlogon, "ScreenSaverGracePeriod"), std::nullopt);

    ASSERT_EQ(WriteValue(registry_, hive::ClassesRoot, kRecycleBin, "Attributes",
                         RegValue{regtype::Binary, {0x41, 0x02, 0x03, 0x04}}),
              err::Success);
    Show(91, PageId::MultiCheckPage);
    Check(true, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kRecycleBin, "Attributes"),
              (RegValue{regtype::Binary, {0x61, 0x02, 0x03, 0x04}}));
    EXPECT_EQ(Get(hive::ClassesRoot, kRecycleBin, "CallForAttributes"), DwordValue(0));

    Make(hive::CurrentUser, kExplorer);
    Show(90, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    Show(90, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());
    EXPECT_FALSE(Checked(ctl::SecondCheck));
    EXPECT_EQ(Get(hive::LocalMachine, kMyDocuments + "\\ShellFolder", "Attributes"),
              DwordValue(0xF0400174));
}

TEST_F(DesktopExplorerConformance, TextChoicesAndANumberEdit) {
    ASSERT_EQ(WriteValue(registry_, hive::CurrentUser, kExplorer + "\\CabinetState",
                         "Use Search Asst", SzValue("NO")),
              err::Success);
    Show(102, PageId::ComboCheckPage);
    EXPECT_EQ(Selected(), 1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kExplorer + "\\CabinetState", "Use Search Asst"),
              SzValue("no"));

    Show(108, PageId::ComboCheckPage);
    Select(0);
    core_.OnApply();
    Show(108, PageId::ComboCheckPage);
    EXPECT_EQ(Selected(), 0);

    Show(98, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "250");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDirectoryUi, "QueryLimit"), DwordValue(250));
}

TEST_F(DesktopExplorerConformance, MenuEntriesAndOpenWithPrograms) {
    Show(103, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kHandlers + "\\Copy To", ""),
              SzValue("{C2FBB630-2971-11d1-A18C-00C04FD75D13}"));
    Check(false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::ClassesRoot, kHandlers + "\\Copy To"));

    Show(104, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, "Directory\\shell\\Explore\\command", ""),
              SzValue("explorer.exe /e,/root,\"%1\""));
    Show(104, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());
    Check(false);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::ClassesRoot, "Directory\\shell\\Explore"));

    Make(hive::ClassesRoot, kProgram + "\\shell");
    Show(119, PageId::ValueListPage);
    int row = -1;
    for (int i = 0; i < pages_.ListGetItemCount(page_, ctl::ValueList); ++i) {
        if (pages_.ListGetItemText(page_, ctl::ValueList, i, 0) == "tallowick-conformance.exe")
            row = i;
    }
    ASSERT_GE(row, 0);
    EXPECT_TRUE(pages_.ListGetCheckState(page_, ctl::ValueList, row));
    pages_.ListSetCheckState(page_, ctl::ValueList, row, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kProgram, "NoOpenWith"), (RegValue{regtype::Sz, {}}));
}

}  // namespace
}  // namespace tallowick
