// The pages seam in memory, for tests: every page and control of the given layouts with the
// state a user would see, plus helpers that act as the user.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/pages.h"

namespace tallowick {

class MemoryPages : public Pages {
  public:
    // BN_CLICKED from a button, after any check change the click made.
    using ClickListener = std::function<void(PageId page, int id)>;

    // When the pages come into being: all with this object, or each when first used, as
    // the program makes them.
    enum class Creation { AllAtOnce, OnFirstUse };

    // Pages start hidden, the main dialog shown; controls start as their layout says, with
    // their template text. Throws std::logic_error on a repeated page or control id.
    explicit MemoryPages(const std::vector<PageSpec>& layouts,
                         Creation creation = Creation::AllAtOnce);

    bool PageExists(PageId page) const override;
    // `created` hears at once of every page that exists, in id order, and of each other
    // page when it is first used.
    void OnPageCreated(std::function<void(PageId)> created) override;

    void ShowPage(PageId page, bool show) override;
    bool IsPageVisible(PageId page) const override;
    void ShowControl(PageId page, int id, bool show) override;
    bool IsControlVisible(PageId page, int id) const override;
    void EnableControl(PageId page, int id, bool enable) override;
    bool IsControlEnabled(PageId page, int id) const override;
    void SetText(PageId page, int id, const std::string& text) override;
    std::string GetText(PageId page, int id) const override;
    void SetCheck(PageId page, int id, bool checked) override;
    bool IsChecked(PageId page, int id) const override;

    void ComboReset(PageId page, int id) override;
    int ComboAddString(PageId page, int id, const std::string& text) override;
    bool ComboSetItemData(PageId page, int id, int index, std::intptr_t data) override;
    std::intptr_t ComboGetItemData(PageId page, int id, int index) const override;
    int ComboSetCurSel(PageId page, int id, int index) override;
    int ComboGetCurSel(PageId page, int id) const override;
    int ComboGetCount(PageId page, int id) const override;
    std::string ComboGetItemText(PageId page, int id, int index) const override;

    void ListDeleteAllItems(PageId page, int id) override;
    bool ListDeleteColumn(PageId page, int id, int column) override;
    int ListInsertColumn(PageId page, int id, int column, const std::string& text, int width,
                         ColumnAlign align) override;
    int ListInsertItem(PageId page, int id, int row, const std::string& text) override;
    bool ListSetItemText(PageId page, int id, int row, int column,
                         const std::string& text) override;
    std::string ListGetItemText(PageId page, int id, int row, int column) const override;
    int ListGetItemCount(PageId page, int id) const override;
    bool ListSetCheckState(PageId page, int id, int row, bool checked) override;
    bool ListGetCheckState(PageId page, int id, int row) const override;
    int ListGetSelected(PageId page, int id) const override;
    bool ListSetSelected(PageId page, int id, int row) override;

    void TreeDeleteAllItems(PageId page, int id) override;
    int TreeInsertItem(PageId page, int id, const std::string& text) override;
    int TreeGetCount(PageId page, int id) const override;
    std::string TreeGetItemText(PageId page, int id, int item) const override;
    bool TreeSetCheckState(PageId page, int id, int item, bool checked) override;
    bool TreeGetCheckState(PageId page, int id, int item) const override;

    // --- The user's side ---

    // Replaces the listener that clicks are reported to; an empty one reports nowhere.
    void OnClick(ClickListener listener);

    // A mouse click on a button: a checkbox toggles, a radio button becomes the only checked
    // one of its page, then the listener hears of it. False, and nothing happens, when the
    // user could not reach the button: it, or its page, is hidden or disabled. Throws
    // std::logic_error for a control that is no button.
    bool Click(PageId page, int id);

    // What the user sees: each shown page in id order, then its shown controls in id order,
    // one line each (lists and trees add one line per row), texts in double quotes with
    // line breaks and tabs written as \n and \t. For example:
    //
    //   MultiCheckPage (170)
    //     1006 static "Quick Edit:\nCopy and paste with the mouse."
    //     1013 checkbox [x] "Enable Quick Edit"
    //     1018 checkbox [ ] "Check2" disabled
    //     1021 combo "Blue" sel 1 of 3: "Red", "Blue", "Green"
    //     1007 list columns "Name" 295, "Data Modified" 99
    //       0 "Quick Edit" | "12/7/2024"
    //       1 "Insert Mode" | "" selected
    //
    // A combo of more than 20 items shows the first five and the last five. Check lists and
    // trees start each row with [x] or [ ]; radio buttons show (o) or ( ); a non-left column
    // adds "right" or "center" after its width.
    std::string Describe() const;

  private:
    struct ComboItem {
        std::string text;
        std::intptr_t data = 0;
    };
    struct Column {
        std::string text;
        int width = 0;
        ColumnAlign align = ColumnAlign::Left;
    };
    struct Row {
        std::vector<std::string> cells;  // cell 0 is the item's text
        bool checked = false;
        bool selected = false;
    };
    struct TreeItem {
        std::string text;
        bool checked = false;
    };
    struct Control {
        ControlSpec declared;
        bool visible = false;
        bool enabled = true;
        std::string text;
        bool checked = false;
        std::vector<ComboItem> items;
        int selection = -1;
        std::vector<Column> columns;
        std::vector<Row> rows;
        std::vector<TreeItem> treeItems;
    };
    struct Page {
        // Set by the first lookup of a page made on first use, even a reading one.
        mutable bool exists = true;
        bool visible = false;
        std::map<int, Control> controls;  // by id, so Describe walks them in id order
    };

    const Page& FindPage(PageId page) const;
    Page& FindPage(PageId page);
    const Control& Find(PageId page, int id) const;
    Control& Find(PageId page, int id);
    // Find, then checks the control is one of the kinds an operation applies to.
    const Control& Expect(PageId page, int id, std::initializer_list<ControlKind> kinds,
                          const char* operation) const;
    Control& Expect(PageId page, int id, std::initializer_list<ControlKind> kinds,
                    const char* operation);
    bool Reachable(PageId page, const Control& control) const;

    std::map<PageId, Page> pages_;
    ClickListener listener_;
    std::function<void(PageId)> created_;
};

}  // namespace tallowick
