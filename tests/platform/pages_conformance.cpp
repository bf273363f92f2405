// The behaviour every Pages implementation shares, over the program's own layouts: natively
// the in-memory pages, under Windows also the real dialogs.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/memory_pages.h"
#include "platform/page_layouts.h"
#include "platform/pages.h"

#ifdef _WIN32
#include "platform/win32/page_dialogs.h"
#include "platform/win32/win32_pages.h"
#endif

namespace tallowick {
namespace {

struct PagesSubject {
    std::shared_ptr<void> windows;  // whatever the pages stand on; outlives `pages`
    std::unique_ptr<Pages> pages;
};

// The pages made all at start, or each when first used, as the program makes them.
using PagesFactory = PagesSubject (*)(bool onFirstUse);

PagesSubject MakeMemoryPages(bool onFirstUse) {
    return {nullptr, std::make_unique<MemoryPages>(PageLayouts(),
                                                   onFirstUse ? MemoryPages::Creation::OnFirstUse
                                                              : MemoryPages::Creation::AllAtOnce)};
}

#ifdef _WIN32
PagesSubject MakeWin32Pages(bool onFirstUse) {
    if (!onFirstUse) {
        auto dialogs = std::make_shared<PageDialogs>();
        auto pages = std::make_unique<Win32Pages>(dialogs->Pages(), dialogs->Main());
        return {std::move(dialogs), std::move(pages)};
    }
    auto dialogs = std::make_shared<PageDialogs>(nullptr, PageDialogs::Made::MainOnly);
    auto pages = std::make_unique<Win32Pages>(std::map<PageId, HWND__*>{}, dialogs->Main());
    pages->SetPageFactory([made = dialogs.get()](PageId page) { return made->AddPage(page); });
    return {std::move(dialogs), std::move(pages)};
}
#endif

class PagesConformance : public ::testing::TestWithParam<PagesFactory> {
  protected:
    void SetUp() override { subject_ = GetParam()(false); }
    Pages& pages() { return *subject_.pages; }

    // Adds `texts` to a combo in order and returns the indexes the combo gave them.
    std::vector<int> Fill(PageId page, int id, const std::vector<std::string>& texts) {
        std::vector<int> indexes;
        for (const std::string& text : texts)
            indexes.push_back(pages().ComboAddString(page, id, text));
        return indexes;
    }

  private:
    PagesSubject subject_;
};

constexpr PageId kMulti = PageId::MultiCheckPage;
constexpr PageId kPath = PageId::PathEditPage;
constexpr PageId kComboPage = PageId::ComboCheckPage;
constexpr PageId kList = PageId::ListPage;
constexpr PageId kValues = PageId::ValueListPage;

TEST_P(PagesConformance, PagesAndControlsShowAndHideKeepingTheirText) {
    EXPECT_FALSE(pages().IsPageVisible(kMulti));
    EXPECT_FALSE(pages().IsControlVisible(kMulti, ctl::MainCheck));
    EXPECT_TRUE(pages().IsControlVisible(kMulti, ctl::Description));
    EXPECT_FALSE(pages().IsControlVisible(PageId::MainDialog, kApplyChangesButton));

    // A control's own visibility does not follow its hidden page.
    pages().ShowControl(kMulti, ctl::MainCheck, true);
    EXPECT_TRUE(pages().IsControlVisible(kMulti, ctl::MainCheck));
    pages().ShowPage(kMulti, true);
    EXPECT_TRUE(pages().IsPageVisible(kMulti));

    pages().SetText(kMulti, ctl::MainCheck, "Enable Quick Edit");
    pages().ShowControl(kMulti, ctl::MainCheck, false);
    pages().ShowPage(kMulti, false);
    EXPECT_FALSE(pages().IsPageVisible(kMulti));
    EXPECT_FALSE(pages().IsControlVisible(kMulti, ctl::MainCheck));
    EXPECT_EQ(pages().GetText(kMulti, ctl::MainCheck), "Enable Quick Edit");

    pages().ShowControl(PageId::MainDialog, kApplyChangesButton, true);
    EXPECT_TRUE(pages().IsControlVisible(PageId::MainDialog, kApplyChangesButton));
}

// Pages made at start are heard of at once. A page made on first use is heard of once,
// when some operation first needs it (reading ones included) and before that operation
// reaches it, and then looks as one made at start looks.
TEST_P(PagesConformance, APageMadeOnFirstUseIsHeardOfOnceAndLooksLikeOneMadeAtStart) {
    std::vector<PageId> atStart;
    pages().OnPageCreated([&](PageId page) { atStart.push_back(page); });
    EXPECT_EQ(atStart.size(), PageLayouts().size() - 1);

    PagesSubject subject = GetParam()(true);
    Pages& lazy = *subject.pages;
    std::vector<PageId> heard, expected;
    lazy.OnPageCreated([&](PageId page) {
        heard.push_back(page);
        lazy.SetText(page, ctl::Description, "set up");
    });
    EXPECT_TRUE(heard.empty());
    EXPECT_TRUE(lazy.PageExists(PageId::MainDialog));
    EXPECT_FALSE(lazy.PageExists(kPath));
    using K = ControlKind;
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page == PageId::MainDialog)
            continue;
        expected.push_back(layout.page);
        SCOPED_TRACE(static_cast<int>(layout.page));
        EXPECT_FALSE(lazy.IsPageVisible(layout.page));
        EXPECT_EQ(lazy.GetText(layout.page, ctl::Description), "set up");
        for (const ControlSpec& c : layout.controls) {
            const PageId p = layout.page;
            EXPECT_EQ(lazy.IsControlVisible(p, c.id), pages().IsControlVisible(p, c.id)) << c.id;
            EXPECT_EQ(lazy.IsControlEnabled(p, c.id), pages().IsControlEnabled(p, c.id)) << c.id;
            if (c.kind == K::CheckBox || c.kind == K::RadioButton) {
                EXPECT_EQ(lazy.IsChecked(p, c.id), pages().IsChecked(p, c.id)) << c.id;
            }
            if (c.id != ctl::Description && c.kind != K::List && c.kind != K::CheckList &&
                c.kind != K::Tree) {
                EXPECT_EQ(lazy.GetText(p, c.id), pages().GetText(p, c.id)) << c.id;
            }
        }
    }
    lazy.ShowPage(kPath, true);
    EXPECT_EQ(heard, expected);
}

TEST_P(PagesConformance, TextsStartAsTheTemplateAndReadBackAsSet) {
    EXPECT_EQ(pages().GetText(kPath, ctl::Label1), "Lable1");
    EXPECT_EQ(pages().GetText(kPath, ctl::Edit1), "");

    pages().SetText(kPath, ctl::Edit1, "\"C:\\Program Files\\app.exe\"");
    pages().SetText(kPath, ctl::Description, "Name:\nWhat it does");
    EXPECT_EQ(pages().GetText(kPath, ctl::Edit1), "\"C:\\Program Files\\app.exe\"");
    EXPECT_EQ(pages().GetText(kPath, ctl::Description), "Name:\nWhat it does");
}

TEST_P(PagesConformance, ChecksAndEnablingBelongToEachControl) {
    EXPECT_FALSE(pages().IsChecked(kMulti, ctl::MainCheck));
    pages().SetCheck(kMulti, ctl::MainCheck, true);
    EXPECT_TRUE(pages().IsChecked(kMulti, ctl::MainCheck));
    EXPECT_FALSE(pages().IsChecked(kMulti, ctl::SecondCheck));
    pages().SetCheck(kMulti, ctl::MainCheck, false);
    EXPECT_FALSE(pages().IsChecked(kMulti, ctl::MainCheck));

    pages().EnableControl(kComboPage, ctl::Combo1, false);
    EXPECT_FALSE(pages().IsControlEnabled(kComboPage, ctl::Combo1));
    EXPECT_TRUE(pages().IsControlEnabled(kComboPage, ctl::Combo2));
    pages().EnableControl(kComboPage, ctl::Combo1, true);
    EXPECT_TRUE(pages().IsControlEnabled(kComboPage, ctl::Combo1));
}

TEST_P(PagesConformance, EditableComboItemsDataAndSelection) {
    const int combo = ctl::Combo1;
    EXPECT_EQ(Fill(kComboPage, combo, {"Zero"}), (std::vector<int>{0}));
    pages().ComboAddStrings(kComboPage, combo, {"One", "Two"});  // a fill appends in order
    EXPECT_EQ(pages().ComboGetCount(kComboPage, combo), 3);
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 1), "One");
    EXPECT_EQ(pages().ComboGetItemData(kComboPage, combo, 1), 0);
    EXPECT_TRUE(pages().ComboSetItemData(kComboPage, combo, 1, 42));
    EXPECT_EQ(pages().ComboGetItemData(kComboPage, combo, 1), 42);
    EXPECT_EQ(pages().ComboGetCurSel(kComboPage, combo), -1);

    // A selection shows its item in the edit field; typing replaces the text only.
    EXPECT_EQ(pages().ComboSetCurSel(kComboPage, combo, 2), 2);
    EXPECT_EQ(pages().GetText(kComboPage, combo), "Two");
    pages().SetText(kComboPage, combo, "typed");
    EXPECT_EQ(pages().GetText(kComboPage, combo), "typed");
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 2), "Two");

    // Bad indexes answer CB_ERR; a bad selection also clears the selection and the text.
    EXPECT_FALSE(pages().ComboSetItemData(kComboPage, combo, 3, 7));
    EXPECT_EQ(pages().ComboGetItemData(kComboPage, combo, -1), -1);
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 3), "");
    for (int bad : {-1, 3}) {
        pages().ComboSetCurSel(kComboPage, combo, 1);
        EXPECT_EQ(pages().ComboSetCurSel(kComboPage, combo, bad), -1) << bad;
        EXPECT_EQ(pages().ComboGetCurSel(kComboPage, combo), -1) << bad;
        EXPECT_EQ(pages().GetText(kComboPage, combo), "") << bad;
    }

    pages().ComboSetCurSel(kComboPage, combo, 0);
    pages().ComboReset(kComboPage, combo);
    EXPECT_EQ(pages().ComboGetCount(kComboPage, combo), 0);
    EXPECT_EQ(pages().ComboGetCurSel(kComboPage, combo), -1);
    EXPECT_EQ(pages().GetText(kComboPage, combo), "");
}

TEST_P(PagesConformance, ColourComboSortsAndShowsItsSelection) {
    const int combo = ctl::ColourCombo;
    EXPECT_EQ(pages().GetText(kComboPage, combo), "");
    pages().ComboAddString(kComboPage, combo, "Tomato");
    EXPECT_EQ(pages().ComboSetCurSel(kComboPage, combo, 0), 0);
    EXPECT_EQ(Fill(kComboPage, combo, {"seashell", "AliceBlue", "YellowGreen"}),
              (std::vector<int>{0, 0, 3}));
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 1), "seashell");
    EXPECT_EQ(pages().ComboGetCurSel(kComboPage, combo), 2);
    EXPECT_EQ(pages().GetText(kComboPage, combo), "Tomato");

    // The list box sorts as lstrcmpiA does: hyphens count only to break a tie, and a name
    // equal but for case goes in before the one already there.
    pages().ComboReset(kComboPage, combo);
    EXPECT_EQ(Fill(kComboPage, combo, {"a-c", "ab", "item9", "item10", "b", "B"}),
              (std::vector<int>{0, 0, 2, 2, 2, 2}));
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 1), "a-c");
    EXPECT_EQ(pages().ComboGetItemText(kComboPage, combo, 3), "b");
}

// A list is filled as the pages fill it: emptied, its columns dropped from the first until
// none is left, then columns added at the end and rows put in.
TEST_P(PagesConformance, ListColumnsRowsCellsAndSelection) {
    const int list = ctl::List;
    EXPECT_FALSE(pages().ListDeleteColumn(kList, list, 0));
    EXPECT_EQ(pages().ListInsertColumn(kList, list, -1, "bad", 10, ColumnAlign::Left), -1);
    EXPECT_EQ(pages().ListInsertColumn(kList, list, 0, "Name", 295, ColumnAlign::Left), 0);
    EXPECT_EQ(pages().ListInsertColumn(kList, list, 9, "Data Modified", 99, ColumnAlign::Right), 1);
    EXPECT_EQ(pages().ListInsertItem(kList, list, -1, "bad"), -1);
    EXPECT_EQ(pages().ListInsertItem(kList, list, 0, "B"), 0);
    EXPECT_EQ(pages().ListInsertItem(kList, list, 0, "A"), 0);
    EXPECT_EQ(pages().ListInsertItem(kList, list, 5, "C"), 2);
    EXPECT_EQ(pages().ListGetItemCount(kList, list), 3);
    EXPECT_TRUE(pages().ListSetItemText(kList, list, 1, 1, "1/2/2003"));
    EXPECT_FALSE(pages().ListSetItemText(kList, list, 3, 0, "no such row"));
    EXPECT_FALSE(pages().ListSetItemText(kList, list, 0, 2, "no such column"));
    EXPECT_EQ(pages().ListGetItemText(kList, list, 1, 0), "B");
    EXPECT_EQ(pages().ListGetItemText(kList, list, 1, 1), "1/2/2003");
    EXPECT_EQ(pages().ListGetItemText(kList, list, 2, 1), "");
    EXPECT_EQ(pages().ListGetItemText(kList, list, 7, 0), "");
    const std::string longText(600, 'x');
    EXPECT_TRUE(pages().ListSetItemText(kList, list, 2, 0, longText));
    EXPECT_EQ(pages().ListGetItemText(kList, list, 2, 0), longText);

    // Single selection: a new row replaces the old one; a bad row changes nothing.
    EXPECT_EQ(pages().ListGetSelected(kList, list), -1);
    EXPECT_TRUE(pages().ListSetSelected(kList, list, 1));
    EXPECT_TRUE(pages().ListSetSelected(kList, list, 2));
    EXPECT_FALSE(pages().ListSetSelected(kList, list, 3));
    EXPECT_EQ(pages().ListGetSelected(kList, list), 2);
    EXPECT_TRUE(pages().ListSetSelected(kList, list, -1));
    EXPECT_EQ(pages().ListGetSelected(kList, list), -1);

    pages().ListSetSelected(kList, list, 0);
    pages().ListDeleteAllItems(kList, list);
    EXPECT_EQ(pages().ListGetItemCount(kList, list), 0);
    EXPECT_EQ(pages().ListGetSelected(kList, list), -1);
    // The columns stay until they are dropped.
    pages().ListInsertItem(kList, list, 0, "X");
    EXPECT_TRUE(pages().ListSetItemText(kList, list, 0, 1, "kept column"));
    pages().ListDeleteAllItems(kList, list);
    int deleted = 0;
    while (pages().ListDeleteColumn(kList, list, 0))
        ++deleted;
    EXPECT_EQ(deleted, 2);
}

TEST_P(PagesConformance, ValueListRowsCarryCheckBoxes) {
    const int list = ctl::ValueList;
    EXPECT_EQ(pages().ListInsertItem(kValues, list, 0, "a"), 0);
    EXPECT_EQ(pages().ListInsertItem(kValues, list, 1, "b"), 1);
    EXPECT_FALSE(pages().ListGetCheckState(kValues, list, 0));
    EXPECT_TRUE(pages().ListSetCheckState(kValues, list, 1, true));
    EXPECT_FALSE(pages().ListSetCheckState(kValues, list, 2, true));
    EXPECT_FALSE(pages().ListGetCheckState(kValues, list, 0));
    EXPECT_TRUE(pages().ListGetCheckState(kValues, list, 1));
    EXPECT_FALSE(pages().ListGetCheckState(kValues, list, 2));
    EXPECT_TRUE(pages().ListSetCheckState(kValues, list, 0, true));
    EXPECT_TRUE(pages().ListSetCheckState(kValues, list, 1, false));
    EXPECT_TRUE(pages().ListGetCheckState(kValues, list, 0));
    EXPECT_FALSE(pages().ListGetCheckState(kValues, list, 1));
    // Checks belong to the row, not to the selection.
    EXPECT_TRUE(pages().ListSetSelected(kValues, list, 1));
    EXPECT_EQ(pages().ListGetSelected(kValues, list), 1);
    EXPECT_FALSE(pages().ListGetCheckState(kValues, list, 1));
}

INSTANTIATE_TEST_SUITE_P(Memory, PagesConformance, ::testing::Values(&MakeMemoryPages),
                         [](const auto&) { return std::string("Seams"); });
#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Win32, PagesConformance, ::testing::Values(&MakeWin32Pages),
                         [](const auto&) { return std::string("Seams"); });
#endif

}  // namespace
}  // namespace tallowick
