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
    };
}

class MemoryPagesTest : public ::testing::Test {
  protected:
    MemoryPages pages{Layouts()};
};

TEST_F(MemoryPagesTest, ClicksToggleNotifyAndNeedAReachableButton) {
    // Each notification with the check state the listener saw, as BN_CLICKED comes after
    // the automatic check change.
    std::vector<std::pair<int, bool>> heard;
    pages.OnClick([&](PageId page, int id) {
        heard.emplace_back(id, page == kCombo && pages.IsChecked(page, id));
    });
    pages.ShowPage(kCombo, true);
    pages.ShowControl(kCombo, 1013, true);
    EXPECT_TRUE(pages.Click(kCombo, 1013));
    EXPECT_TRUE(pages.Click(kCombo, 1013));
    EXPECT_TRUE(pages.Click(kMain, kApplyChangesButton));

    // Out of the user's reach: a disabled or a hidden button, a button of a hidden page.
    pages.EnableControl(kMain, kApplyChangesButton, false);
    EXPECT_FALSE(pages.Click(kMain, kApplyChangesButton));
    pages.EnableControl(kMain, kApplyChangesButton, true);
    pages.ShowControl(kMain, kApplyChangesButton, false);
    EXPECT_FALSE(pages.Click(kMain, kApplyChangesButton));
    pages.ShowPage(kCombo, false);
    EXPECT_FALSE(pages.Click(kCombo, 1013));
    EXPECT_FALSE(pages.IsChecked(kCombo, 1013));

    const std::vector<std::pair<int, bool>> expected{
        {1013, true}, {1013, false}, {kApplyChangesButton, false}};
    EXPECT_EQ(heard, expected);
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

// Hidden pages and controls are left out.
TEST_F(MemoryPagesTest, DescribeShowsWhatTheUserSees) {
    EXPECT_EQ(pages.Describe(), "MainDialog (102)\n  1016 button \"Apply Changes\"\n");
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
)");
}

}  // namespace
}  // namespace tallowick
