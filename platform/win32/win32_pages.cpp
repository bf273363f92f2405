#include "platform/win32/win32_pages.h"

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tallowick {

namespace {

// The state image index a check box shows: 1 unchecked, 2 checked (0 means none at all).
constexpr UINT kUncheckedImage = 1;
constexpr UINT kCheckedImage = 2;

UINT CheckImage(bool checked) {
    return INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : kUncheckedImage);
}

bool IsCheckedImage(UINT state) {
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(kCheckedImage);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(window, message, wParam, lParam);
}

// The styles live on the window itself, so hidden parents do not hide their children here.
bool HasVisibleStyle(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

int ListCount(HWND list) {
    return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

bool ListHasRow(HWND list, int row) {
    return row >= 0 && row < ListCount(list);
}

// The root item at `position` along TVGN_NEXT, or null.
HTREEITEM TreeItemAt(HWND tree, int position) {
    if (position < 0)
        return nullptr;
    auto item = reinterpret_cast<HTREEITEM>(Send(tree, TVM_GETNEXTITEM, TVGN_ROOT));
    for (int i = 0; item && i < position; ++i) {
        item = reinterpret_cast<HTREEITEM>(
            Send(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return item;
}

// Controls report no text length for items and cells: read into a growing buffer until the
// text plainly fitted. `read` gets the buffer and its size and returns the length it wrote.
template <typename Read>
std::string ReadGrowing(Read read) {
    std::vector<char> buffer(256);
    for (;;) {
        buffer.assign(buffer.size(), '\0');
        const int length = read(buffer.data(), static_cast<int>(buffer.size()));
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) + 1 < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

Win32Pages::Win32Pages(std::map<PageId, HWND> pages, HWND mainDialog)
    : pages_(std::move(pages)), main_(mainDialog) {}

void Win32Pages::SetWindows(std::map<PageId, HWND> pages, HWND mainDialog) {
    pages_ = std::move(pages);
    main_ = mainDialog;
    controls_.clear();
    AnnounceNewPages();
}

void Win32Pages::OnPageCreated(std::function<void(PageId)> created) {
    created_ = std::move(created);
    AnnounceNewPages();
}

void Win32Pages::AnnounceNewPages() {
    if (!created_)
        return;
    for (const auto& [page, window] : pages_) {
        if (window)
            Announce(page, window);
    }
}

void Win32Pages::Announce(PageId page, HWND window) const {
    if (created_ && announced_.insert(window).second)
        created_(page);
}

void Win32Pages::SetPageFactory(PageFactory factory) {
    factory_ = std::move(factory);
}

bool Win32Pages::PageExists(PageId page) const {
    if (page == PageId::MainDialog)
        return main_ != nullptr;
    auto it = pages_.find(page);
    return it != pages_.end() && it->second;
}

HWND Win32Pages::Window(PageId page) const {
    if (page == PageId::MainDialog)
        return main_;
    auto it = pages_.find(page);
    if (it != pages_.end() && it->second)
        return it->second;
    const std::string name = std::to_string(static_cast<int>(page));
    if (!factory_)
        throw std::logic_error("no window for page " + name);
    HWND made = factory_(page);
    if (!made)
        throw std::runtime_error("cannot create page " + name);
    pages_[page] = made;
    Announce(page, made);
    return made;
}

HWND Win32Pages::Control(PageId page, int id) const {
    const auto known = controls_.find({page, id});
    if (known != controls_.end())
        return known->second;
    HWND control = GetDlgItem(Window(page), id);
    if (!control) {
        throw std::logic_error("no control " + std::to_string(id) + " on page " +
                               std::to_string(static_cast<int>(page)));
    }
    controls_[{page, id}] = control;
    return control;
}

// --- Windows ---

void Win32Pages::ShowPage(PageId page, bool show) {
    if (page == PageId::MainDialog)
        throw std::logic_error("the main dialog is no page");
    ShowWindow(Window(page), show ? SW_SHOW : SW_HIDE);
}

bool Win32Pages::IsPageVisible(PageId page) const {
    return HasVisibleStyle(Window(page));
}

void Win32Pages::ShowControl(PageId page, int id, bool show) {
    ShowWindow(Control(page, id), show ? SW_SHOW : SW_HIDE);
}

bool Win32Pages::IsControlVisible(PageId page, int id) const {
    return HasVisibleStyle(Control(page, id));
}

void Win32Pages::EnableControl(PageId page, int id, bool enable) {
    EnableWindow(Control(page, id), enable ? TRUE : FALSE);
}

bool Win32Pages::IsControlEnabled(PageId page, int id) const {
    return IsWindowEnabled(Control(page, id)) != FALSE;
}

void Win32Pages::SetText(PageId page, int id, const std::string& text) {
    SetWindowTextA(Control(page, id), text.c_str());
}

std::string Win32Pages::GetText(PageId page, int id) const {
    HWND control = Control(page, id);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32Pages::SetCheck(PageId page, int id, bool checked) {
    Send(Control(page, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32Pages::IsChecked(PageId page, int id) const {
    return Send(Control(page, id), BM_GETCHECK) == BST_CHECKED;
}

// --- Combo boxes ---

void Win32Pages::ComboReset(PageId page, int id) {
    Send(Control(page, id), CB_RESETCONTENT);
}

void Win32Pages::ComboAddStrings(PageId page, int id, const std::vector<std::string>& texts) {
    HWND combo = Control(page, id);
    // Without redrawing the list updates no scroll bar per item: ten times faster.
    Send(combo, WM_SETREDRAW, FALSE);
    for (const std::string& text : texts)
        Send(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Send(combo, WM_SETREDRAW, TRUE);
    InvalidateRect(combo, nullptr, TRUE);
}

int Win32Pages::ComboAddString(PageId page, int id, const std::string& text) {
    return static_cast<int>(
        Send(Control(page, id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

bool Win32Pages::ComboSetItemData(PageId page, int id, int index, std::intptr_t data) {
    return Send(Control(page, id), CB_SETITEMDATA, static_cast<WPARAM>(index),
                static_cast<LPARAM>(data)) != CB_ERR;
}

std::intptr_t Win32Pages::ComboGetItemData(PageId page, int id, int index) const {
    return static_cast<std::intptr_t>(
        Send(Control(page, id), CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int Win32Pages::ComboSetCurSel(PageId page, int id, int index) {
    HWND combo = Control(page, id);
    const LRESULT selected = Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    // Windows clears the selection on an index past the end; Wine's list box keeps it, and
    // the edit text with it, so clear it as -1 does.
    if (selected == CB_ERR && index != -1)
        Send(combo, CB_SETCURSEL, static_cast<WPARAM>(-1));
    return static_cast<int>(selected);
}

int Win32Pages::ComboGetCurSel(PageId page, int id) const {
    return static_cast<int>(Send(Control(page, id), CB_GETCURSEL));
}

int Win32Pages::ComboGetCount(PageId page, int id) const {
    return static_cast<int>(Send(Control(page, id), CB_GETCOUNT));
}

std::string Win32Pages::ComboGetItemText(PageId page, int id, int index) const {
    HWND combo = Control(page, id);
    const LRESULT length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR)
        return {};
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

// --- List views ---

void Win32Pages::ListDeleteAllItems(PageId page, int id) {
    Send(Control(page, id), LVM_DELETEALLITEMS);
}

bool Win32Pages::ListDeleteColumn(PageId page, int id, int column) {
    return Send(Control(page, id), LVM_DELETECOLUMN, static_cast<WPARAM>(column)) != FALSE;
}

int Win32Pages::ListInsertColumn(PageId page, int id, int column, const std::string& text,
                                 int width, ColumnAlign align) {
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    lvc.fmt = static_cast<int>(align);  // LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER
    lvc.cx = width;
    lvc.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(Send(Control(page, id), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                 reinterpret_cast<LPARAM>(&lvc)));
}

int Win32Pages::ListInsertItem(PageId page, int id, int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(
        Send(Control(page, id), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool Win32Pages::ListSetItemText(PageId page, int id, int row, int column,
                                 const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    return Send(Control(page, id), LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::string Win32Pages::ListGetItemText(PageId page, int id, int row, int column) const {
    HWND list = Control(page, id);
    if (!ListHasRow(list, row) || column < 0)
        return {};
    return ReadGrowing([&](char* buffer, int size) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = size;
        return static_cast<int>(Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&item)));
    });
}

int Win32Pages::ListGetItemCount(PageId page, int id) const {
    return ListCount(Control(page, id));
}

bool Win32Pages::ListSetCheckState(PageId page, int id, int row, bool checked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = CheckImage(checked);
    return Send(Control(page, id), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                reinterpret_cast<LPARAM>(&item)) != FALSE;
}

bool Win32Pages::ListGetCheckState(PageId page, int id, int row) const {
    HWND list = Control(page, id);
    return ListHasRow(list, row) &&
           IsCheckedImage(static_cast<UINT>(
               Send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK)));
}

int Win32Pages::ListGetSelected(PageId page, int id) const {
    return static_cast<int>(Send(Control(page, id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                 MAKELPARAM(LVNI_SELECTED, 0)));
}

bool Win32Pages::ListSetSelected(PageId page, int id, int row) {
    HWND list = Control(page, id);
    if (row != -1 && !ListHasRow(list, row))
        return false;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row == -1)
        return true;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                reinterpret_cast<LPARAM>(&item)) != FALSE;
}

// --- Tree view ---

void Win32Pages::TreeDeleteAllItems(PageId page, int id) {
    Send(Control(page, id), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

int Win32Pages::TreeInsertItem(PageId page, int id, const std::string& text) {
    HWND tree = Control(page, id);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    insert.item.state = CheckImage(false);
    insert.item.pszText = const_cast<char*>(text.c_str());
    if (!Send(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)))
        return -1;
    // Every item is a root item, so the new last one is at the count less one.
    return static_cast<int>(Send(tree, TVM_GETCOUNT)) - 1;
}

int Win32Pages::TreeGetCount(PageId page, int id) const {
    return static_cast<int>(Send(Control(page, id), TVM_GETCOUNT));
}

std::string Win32Pages::TreeGetItemText(PageId page, int id, int item) const {
    HWND tree = Control(page, id);
    HTREEITEM handle = TreeItemAt(tree, item);
    if (!handle)
        return {};
    return ReadGrowing([&](char* buffer, int size) {
        TVITEMA tvi{};
        tvi.mask = TVIF_TEXT;
        tvi.hItem = handle;
        tvi.pszText = buffer;
        tvi.cchTextMax = size;
        if (!Send(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)))
            return -1;
        // The control may answer with a pointer to its own copy instead of filling ours.
        if (tvi.pszText != buffer)
            lstrcpynA(buffer, tvi.pszText, size);
        return static_cast<int>(lstrlenA(buffer));
    });
}

bool Win32Pages::TreeSetCheckState(PageId page, int id, int item, bool checked) {
    HWND tree = Control(page, id);
    HTREEITEM handle = TreeItemAt(tree, item);
    if (!handle)
        return false;
    TVITEMA tvi{};
    tvi.mask = TVIF_HANDLE | TVIF_STATE;
    tvi.hItem = handle;
    tvi.stateMask = TVIS_STATEIMAGEMASK;
    tvi.state = CheckImage(checked);
    return Send(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)) != FALSE;
}

bool Win32Pages::TreeGetCheckState(PageId page, int id, int item) const {
    HWND tree = Control(page, id);
    HTREEITEM handle = TreeItemAt(tree, item);
    return handle &&
           IsCheckedImage(static_cast<UINT>(Send(
               tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(handle), TVIS_STATEIMAGEMASK)));
}

}  // namespace tallowick
