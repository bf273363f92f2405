// The pages seam: the page dialogs on the right of the main window, and the main window's
// "Apply Changes" button, addressed by page and control id.
//
// Each operation stands for one Win32 call or control message, named beside it, so the
// handlers behave the same over real dialog controls and over the in-memory pages. A page
// or control id that the layouts do not declare, or an operation that does not fit the
// control's kind, is a programming error: implementations may throw std::logic_error (the
// in-memory one does). Texts are ANSI.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tallowick {

// Dialog template ids. The main dialog is here only for its "Apply Changes" button.
enum class PageId : int {
    MainDialog = 102,
    ListPage = 106,
    SixPathPage = 107,
    MultiCheckPage = 170,
    PathEditPage = 171,
    ComboCheckPage = 172,
    ValueListPage = 173,
    SixComboPage = 174,
    EditComboPage = 175,
    CheckComboPage = 176,
    DriveHidePage = 178,
};

// Button 1016 of the main dialog.
inline constexpr int kApplyChangesButton = 1016;

enum class ControlKind {
    Static,
    CheckBox,     // BS_AUTOCHECKBOX
    RadioButton,  // BS_AUTORADIOBUTTON; the radio buttons of one page form one group
    PushButton,
    Edit,
    Combo,        // CBS_DROPDOWN: an edit field over the item list
    ColourCombo,  // CBS_DROPDOWNLIST | CBS_SORT: items kept in case-insensitive order
    List,         // list view without check boxes
    CheckList,    // list view with LVS_EX_CHECKBOXES
    Tree,         // tree view with TVS_CHECKBOXES, items at root level only
};

// One control of a dialog template.
struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;  // the template's caption: "Lable1", "Check1", "Note"...
    bool visible = false;
    bool enabled = true;
};

struct PageSpec {
    PageId page = PageId::ListPage;
    std::vector<ControlSpec> controls;
};

// LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER.
enum class ColumnAlign : int { Left = 0, Right = 1, Center = 2 };

class Pages {
  public:
    virtual ~Pages() = default;

    // A page's window may be made only when the page is first needed: opening the window
    // should not pay for pages nobody looks at. PageExists tells whether it has been made;
    // any other operation on a page makes it first, with its controls as its template gives
    // them. The main dialog always exists.
    virtual bool PageExists(PageId page) const = 0;
    // The pages' one-time set-up hangs here, so it runs once per page whether the windows
    // are made at start-up or when first needed. Calls `created` now for every page whose
    // window exists, and later for each page as soon as its window is made, before any other
    // operation reaches that page; `created` may itself use the page. A later call replaces
    // the observer, for the pages made after it.
    virtual void OnPageCreated(std::function<void(PageId)> created) = 0;

    // ShowWindow(page, SW_SHOW or SW_HIDE). The main dialog is always shown: it is no page
    // to show or hide.
    virtual void ShowPage(PageId page, bool show) = 0;
    // The page's own WS_VISIBLE style.
    virtual bool IsPageVisible(PageId page) const = 0;

    // ShowWindow on the control. Hiding keeps the control's text and contents.
    virtual void ShowControl(PageId page, int id, bool show) = 0;
    // The control's own WS_VISIBLE style, whether or not its page is shown.
    virtual bool IsControlVisible(PageId page, int id) const = 0;
    // EnableWindow / IsWindowEnabled.
    virtual void EnableControl(PageId page, int id, bool enable) = 0;
    virtual bool IsControlEnabled(PageId page, int id) const = 0;

    // SetWindowTextA / GetWindowTextA: captions, edit fields and the edit field of a
    // Combo. A ColourCombo's text is its selected item and cannot be set.
    virtual void SetText(PageId page, int id, const std::string& text) = 0;
    virtual std::string GetText(PageId page, int id) const = 0;

    // BM_SETCHECK / BM_GETCHECK (BST_CHECKED or BST_UNCHECKED) on a checkbox or radio
    // button. Setting a radio button leaves the others of its group alone.
    virtual void SetCheck(PageId page, int id, bool checked) = 0;
    virtual bool IsChecked(PageId page, int id) const = 0;

    // Combo and ColourCombo. A bad index is below 0 or at or past the item count.
    // CB_RESETCONTENT: removes every item, the selection and the edit field's text.
    virtual void ComboReset(PageId page, int id) = 0;
    // CB_ADDSTRING: appends (a ColourCombo inserts in sorted order); the new item's index.
    virtual int ComboAddString(PageId page, int id, const std::string& text) = 0;
    // CB_ADDSTRING for each text in order, as one fill: the list is not redrawn in between.
    virtual void ComboAddStrings(PageId page, int id, const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            ComboAddString(page, id, text);
    }
    // CB_SETITEMDATA: false (CB_ERR) on a bad index.
    virtual bool ComboSetItemData(PageId page, int id, int index, std::intptr_t data) = 0;
    // CB_GETITEMDATA: -1 (CB_ERR) on a bad index.
    virtual std::intptr_t ComboGetItemData(PageId page, int id, int index) const = 0;
    // CB_SETCURSEL: selects the item and puts its text in the edit field; the index.
    // A bad index, -1 included, clears the selection and the text and returns -1 (CB_ERR).
    virtual int ComboSetCurSel(PageId page, int id, int index) = 0;
    // CB_GETCURSEL: -1 (CB_ERR) when nothing is selected.
    virtual int ComboGetCurSel(PageId page, int id) const = 0;
    // CB_GETCOUNT.
    virtual int ComboGetCount(PageId page, int id) const = 0;
    // CB_GETLBTEXT: empty text on a bad index (the message returns CB_ERR).
    virtual std::string ComboGetItemText(PageId page, int id, int index) const = 0;

    // List and CheckList. Rows are items, columns sub-items; column 0 is the item's text.
    // LVM_DELETEALLITEMS: removes every row; the columns stay.
    virtual void ListDeleteAllItems(PageId page, int id) = 0;
    // LVM_DELETECOLUMN: false on a bad column. Deleting column c > 0 drops that
    // sub-item from every row; the rows keep their text when column 0 goes.
    virtual bool ListDeleteColumn(PageId page, int id, int column) = 0;
    // LVM_INSERTCOLUMN with text, width in pixels and format; a column past the end is
    // appended. The new column's index, -1 when `column` is negative.
    virtual int ListInsertColumn(PageId page, int id, int column, const std::string& text,
                                 int width, ColumnAlign align) = 0;
    // LVM_INSERTITEM with text only, unchecked and unselected; a row past the end is
    // appended. The new row's index, -1 when `row` is negative.
    virtual int ListInsertItem(PageId page, int id, int row, const std::string& text) = 0;
    // LVM_SETITEMTEXT: false on a bad row, or a column > 0 that has not been inserted.
    virtual bool ListSetItemText(PageId page, int id, int row, int column,
                                 const std::string& text) = 0;
    // LVM_GETITEMTEXT: empty text on a bad row or column.
    virtual std::string ListGetItemText(PageId page, int id, int row, int column) const = 0;
    // LVM_GETITEMCOUNT.
    virtual int ListGetItemCount(PageId page, int id) const = 0;
    // ListView_SetCheckState (CheckList only): false on a bad row; row -1 sets every row,
    // as LVM_SETITEMSTATE does.
    virtual bool ListSetCheckState(PageId page, int id, int row, bool checked) = 0;
    // ListView_GetCheckState (CheckList only): false on a bad row.
    virtual bool ListGetCheckState(PageId page, int id, int row) const = 0;
    // LVM_GETNEXTITEM from -1 with LVNI_SELECTED: the first selected row, or -1.
    virtual int ListGetSelected(PageId page, int id) const = 0;
    // LVM_SETITEMSTATE with LVIS_SELECTED | LVIS_FOCUSED on `row`, after clearing the
    // selection as a single-selection list does. Row -1 only clears it. False on a bad row
    // (other than -1), which leaves the selection as it was.
    virtual bool ListSetSelected(PageId page, int id, int row) = 0;

    // Tree: a flat list of root-level items, addressed by position from the first root
    // item along TVGN_NEXT.
    // TVM_DELETEITEM with TVI_ROOT.
    virtual void TreeDeleteAllItems(PageId page, int id) = 0;
    // TVM_INSERTITEM under TVI_ROOT after TVI_LAST, unchecked; the new item's position.
    virtual int TreeInsertItem(PageId page, int id, const std::string& text) = 0;
    // TVM_GETCOUNT.
    virtual int TreeGetCount(PageId page, int id) const = 0;
    // TVM_GETITEM text: empty text on a bad position.
    virtual std::string TreeGetItemText(PageId page, int id, int item) const = 0;
    // TreeView_SetCheckState: false on a bad position.
    virtual bool TreeSetCheckState(PageId page, int id, int item, bool checked) = 0;
    // TreeView_GetCheckState: false on a bad position.
    virtual bool TreeGetCheckState(PageId page, int id, int item) const = 0;
};

}  // namespace tallowick
