#include "platform/memory/memory_pages.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace tallowick {
namespace {

using K = ControlKind;
constexpr PageId kMain = PageId::MainDialog;
constexpr PageId kCombo = PageId::ComboCheckPage;
constexpr PageId kList = PageId::ListPage;
constexpr PageId kValues = PageId::ValueListPage;
constexpr PageId kDrives = PageId::DriveHidePage;

std::vector<PageSpec> Layouts() {
    return {
        {kMain, {{kApplyChangesButton, K::PushButton, "Apply Changes", true, true}}},
        {kCombo,
         {{1006, K::Static, "", true, true},
          {1013, K::CheckBox, "Check1", false, true},
          {1014, K::Static, "Lable1", false, true},
          {1021, K::Combo, "", false, true},
          {1055, K::ColourCombo, "", false, true},
          {1024, K::Static, "Note", false, true}}},
        {kList, {{1006, K::Static, "", true, true}, {1007, K::List, "", false, true}}},
        {kValues, {{1009, K::CheckList, "", true, true}}},
        {kDrives,
         {{1078, K::Tree, "", true, true},
          {1082, K::RadioButton, "Deny", true, true},
          {1083, K::RadioButton, "Allow", true, true},
          {1079, K::PushButton, "Apply Changes", true, true}}},
    };
}

class MemoryPagesTest : public ::testing::Test {
  protected:
    MemoryPages pages{Layouts()};
};

TEST_F(MemoryPagesTest, HiddenControlsKeepTheirContentsAndComeBackWithThem) {
    EXPECT_FALSE(pages.IsPageVisible(kCombo));
    EXPECT_TRUE(pages.IsPageVisible(kMain));
    pages.ShowPage(kCombo, true);
    pages.ShowControl(kCombo, 1013, true);
    pages.ShowControl(kCombo, 1021, true);
    pages.SetText(kCombo, 1013, "Enable it");
    pages.SetCheck(kCombo, 1013, true);
    pages.ComboAddString(kCombo, 1021, "One");
    pages.ComboSetCurSel(kCombo, 1021, 0);
    pages.EnableControl(kCombo, 1021, false);
    const std::string shown = pages.Describe();

    pages.ShowControl(kCombo, 1013, false);
    pages.ShowControl(kCombo, 1021, false);
    pages.ShowPage(kCombo, false);
    EXPECT_EQ(pages.Describe(), "MainDialog (102)\n  1016 button \"Apply Changes\"\n");

    pages.ShowPage(kCombo, true);
    pages.ShowControl(kCombo, 1013, true);
    pages.ShowControl(kCombo, 1021, true);
    EXPECT_EQ(pages.Describe(), shown);
}

TEST_F(MemoryPagesTest, ClicksToggleNotifyAndNeedAReachableButton) {
    // Each notification with the check state the listener saw, as BN_CLICKED comes after
    // the automatic check change.
    std::vector<std::pair<int, bool>> heard;
    pages.OnClick([&](PageId page, int id) { heard.emplace_back(id, pages.IsChecked(page, id)); });
    pages.ShowPage(kCombo, true);
    pages.ShowControl(kCombo, 1013, true);
    EXPECT_TRUE(pages.Click(kCombo, 1013));
    EXPECT_TRUE(pages.Click(kCombo, 1013));

    pages.ShowPage(kDrives, true);
    pages.SetCheck(kDrives, 1082, true);
    EXPECT_TRUE(pages.Click(kDrives, 1083));
    EXPECT_FALSE(pages.IsChecked(kDrives, 1082));

    // Out of the user's reach: a hidden page, a hidden or a disabled button.
    pages.EnableControl(kDrives, 1079, false);
    pages.ShowControl(kMain, kApplyChangesButton, false);
    EXPECT_FALSE(pages.Click(kDrives, 1079));
    EXPECT_FALSE(pages.Click(kMain, kApplyChangesButton));
    pages.ShowPage(kCombo, false);
    EXPECT_FALSE(pages.Click(kCombo, 1013));
    EXPECT_FALSE(pages.IsChecked(kCombo, 1013));

    const std::vector<std::pair<int, bool>> expected{{1013, true}, {1013, false}, {1083, true}};
    EXPECT_EQ(heard, expected);
}

TEST_F(MemoryPagesTest, UserSelectionsNeedAnExistingItem) {
    pages.ShowPage(kCombo, true);
    pages.ShowControl(kCombo, 1021, true);
    pages.ComboAddString(kCombo, 1021, "One");
    EXPECT_TRUE(pages.SelectComboItem(kCombo, 1021, 0));
    EXPECT_EQ(pages.GetText(kCombo, 1021), "One");
    EXPECT_THROW(pages.SelectComboItem(kCombo, 1021, 1), std::logic_error);

    pages.ListInsertItem(kList, 1007, 0, "row");
    EXPECT_FALSE(pages.SelectListRow(kList, 1007, 0));  // the page is hidden
    EXPECT_EQ(pages.ListGetSelected(kList, 1007), -1);
    EXPECT_THROW(pages.SelectListRow(kList, 1007, 1), std::logic_error);
}

TEST_F(MemoryPagesTest, WrongIdsAndKindsThrow) {
    EXPECT_THROW(pages.ShowPage(PageId::SixPathPage, true), std::logic_error);
    EXPECT_THROW(pages.ShowPage(kMain, false), std::logic_error);
    EXPECT_THROW(pages.ShowControl(kCombo, 1015, true), std::logic_error);
    EXPECT_THROW(pages.GetText(kList, 1013), std::logic_error);
    EXPECT_THROW(pages.SetCheck(kCombo, 1014, true), std::logic_error);
    EXPECT_THROW(pages.ComboAddString(kList, 1007, "x"), std::logic_error);
    EXPECT_THROW(pages.ListInsertItem(kCombo, 1021, 0, "x"), std::logic_error);
    EXPECT_THROW(pages.ListSetCheckState(kList, 1007, 0, true), std::logic_error);
    EXPECT_THROW(pages.SetText(kCombo, 1055, "Red"), std::logic_error);
    EXPECT_THROW(pages.Click(kCombo, 1006), std::logic_error);
    EXPECT_THROW(
        MemoryPages(
            {{kList, {{1006, K::Static, "", true, true}, {1006, K::Edit, "", true, true}}}}),
        std::logic_error);
    EXPECT_THROW(MemoryPages({{kList, {}}, {kList, {}}}), std::logic_error);
}

TEST_F(MemoryPagesTest, DescribeShowsWhatTheUserSees) {
    pages.ShowPage(kCombo, true);
    pages.SetText(kCombo, 1006, "Grace:\nSeconds\tbefore locking");
    for (int id : {1013, 1014, 1021, 1024})
        pages.ShowControl(kCombo, id, true);
    pages.SetCheck(kCombo, 1013, true);
    pages.EnableControl(kCombo, 1021, false);
    for (int i = 0; i <= 10000; ++i)
        pages.ComboAddString(kCombo, 1021, std::to_string(i));
    pages.ComboSetCurSel(kCombo, 1021, 5000);
    pages.ComboAddString(kCombo, 1055, "Tomato");  // hidden: not described

    pages.ShowPage(kList, true);
    pages.ShowControl(kList, 1007, true);
    pages.ListInsertColumn(kList, 1007, 0, "Name", 295, ColumnAlign::Left);
    pages.ListInsertColumn(kList, 1007, 1, "Data Modified", 99, ColumnAlign::Center);
    pages.ListInsertItem(kList, 1007, 0, "Quick Edit");
    pages.ListSetItemText(kList, 1007, 0, 1, "1/2/2003");
    pages.ListInsertItem(kList, 1007, 1, "Insert Mode");
    pages.ListSetSelected(kList, 1007, 1);

    pages.ShowPage(kDrives, true);
    pages.ShowControl(kDrives, 1079, false);
    pages.TreeInsertItem(kDrives, 1078, "C:\\ [ SYSTEM ] ");
    pages.TreeSetCheckState(kDrives, 1078, 0, true);
    pages.SetCheck(kDrives, 1083, true);

    pages.ShowPage(kValues, true);
    pages.ListInsertItem(kValues, 1009, 0, "Value");
    pages.ListSetCheckState(kValues, 1009, 0, true);

    EXPECT_EQ(pages.Describe(), R"(MainDialog (102)
  1016 button "Apply Changes"
ListPage (106)
  1006 static ""
  1007 list columns "Name" 295, "Data Modified" 99 center
    0 "Quick Edit" | "1/2/2003"
    1 "Insert Mode" | "" selected
ComboCheckPage (172)
  1006 static "Grace:\nSeconds\tbefore locking"
  1013 checkbox [x] "Check1"
  1014 static "Lable1"
  1021 combo "5000" sel 5000 of 10001: "0", "1", "2", "3", "4", ..., "9996", "9997", "9998", "9999", "10000" disabled
  1024 static "Note"
ValueListPage (173)
  1009 checklist
    0 [x] "Value"
DriveHidePage (178)
  1078 tree
    0 [x] "C:\ [ SYSTEM ] "
  1082 radio ( ) "Deny"
  1083 radio (o) "Allow"
)");
}

}  // namespace
}  // namespace tallowick
