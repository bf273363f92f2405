#include "app/tree_list.h"

#include "app/window_util.h"
#include "platform/win32/subclass.h"

namespace tallowick {

namespace {

constexpr int kHeaderId = 1005;
// The tree draws its own background in this colour over the picture; a near-white that
// no item uses, so anti-aliased text edges blend into the picture's light tones.
constexpr COLORREF kSeeThrough = RGB(251, 252, 253);

}  // namespace

TreeList::~TreeList() {
    if (tree_)
        RemoveSubclass(tree_, SubclassProc);
    if (background_)
        DeleteObject(background_);
    if (scaled_)
        DeleteObject(scaled_);
}

void TreeList::Attach(HWND tree) {
    tree_ = tree;
    AddSubclass(tree_, SubclassProc, this);
}

void TreeList::SetImageList(HIMAGELIST images) {
    TreeView_SetImageList(tree_, images, TVSIL_NORMAL);
}

void TreeList::AddHeading(const std::string& text, int width) {
    if (header_)
        return;
    const RECT area = RectInParent(tree_);
    header_ = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_NOSIZING, 0,
                              0, 0, 0, GetParent(tree_), reinterpret_cast<HMENU>(kHeaderId),
                              GetModuleHandleA(nullptr), nullptr);
    if (!header_)
        return;
    SendMessageA(header_, WM_SETFONT, SendMessageA(tree_, WM_GETFONT, 0, 0), FALSE);
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(text.c_str());
    item.cxy = width;
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageA(header_, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    Place(area);
}

void TreeList::DeleteAllItems() {
    TreeView_DeleteAllItems(tree_);
}

HTREEITEM TreeList::InsertItem(const std::string& text, std::uintptr_t parent, std::uintptr_t after,
                               DWORD data, bool bold, int image) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent == kRoot ? TVI_ROOT : reinterpret_cast<HTREEITEM>(parent);
    insert.hInsertAfter = after == kLast ? TVI_LAST : reinterpret_cast<HTREEITEM>(after);
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = static_cast<LPARAM>(data);
    insert.item.state = bold ? TVIS_BOLD : 0;
    insert.item.stateMask = TVIS_BOLD;
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM TreeList::GetSelectedItem() const {
    return TreeView_GetSelection(tree_);
}

DWORD TreeList::GetItemData(HTREEITEM item) const {
    TVITEMA tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv)))
        return 0;
    return static_cast<DWORD>(tv.lParam);
}

void TreeList::SetBackground(HBITMAP bitmap) {
    if (background_)
        DeleteObject(background_);
    if (scaled_)
        DeleteObject(scaled_);
    scaled_ = nullptr;
    background_ = bitmap;
    TreeView_SetBkColor(tree_, background_ ? kSeeThrough : static_cast<COLORREF>(-1));
    InvalidateRect(tree_, nullptr, TRUE);
}

bool TreeList::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == header_) {
        // The heading is fixed: no sizing, no clicks that sort.
        result = header.code == HDN_BEGINTRACKA || header.code == HDN_BEGINTRACKW ||
                 header.code == HDN_DIVIDERDBLCLICKA || header.code == HDN_DIVIDERDBLCLICKW;
        return true;
    }
    if (header.hwndFrom != tree_)
        return false;
    result = 0;
    switch (header.code) {
        case TVN_BEGINLABELEDITA:
        case TVN_BEGINLABELEDITW:
            result = TRUE;  // never edited
            break;
        case NM_CUSTOMDRAW: {
            // The shown node stays marked in the selection colours while the focus is
            // elsewhere: the pale unfocused selection is lost over the picture.
            auto& draw =
                const_cast<NMTVCUSTOMDRAW&>(reinterpret_cast<const NMTVCUSTOMDRAW&>(header));
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
                result = CDRF_NOTIFYITEMDRAW;
            } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
                       (draw.nmcd.uItemState & CDIS_SELECTED)) {
                draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
                draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            }
            break;
        }
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW: {
            const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
            if (notifyMessage_) {
                SendMessageA(GetParent(tree_), notifyMessage_, 0,
                             reinterpret_cast<LPARAM>(change.itemNew.hItem));
            }
            break;
        }
        default:
            break;
    }
    return true;
}

void TreeList::Place(const RECT& area) {
    int headerHeight = 0;
    if (header_) {
        RECT bounds = area;
        WINDOWPOS pos{};
        HDLAYOUT layout{&bounds, &pos};
        SendMessageA(header_, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
        headerHeight = pos.cy;
        MoveWindow(header_, area.left, area.top, area.right - area.left, headerHeight, TRUE);
    }
    MoveWindow(tree_, area.left, area.top + headerHeight, area.right - area.left,
               area.bottom - area.top - headerHeight, TRUE);
}

RECT TreeList::Area() const {
    RECT area = RectInParent(tree_);
    if (header_)
        area.top = RectInParent(header_).top;
    return area;
}

HBITMAP TreeList::ScaledBackground(HDC dc, int w, int h) {
    if (scaled_ && scaledSize_.cx == w && scaledSize_.cy == h)
        return scaled_;
    if (scaled_)
        DeleteObject(scaled_);
    scaled_ = CreateCompatibleBitmap(dc, w, h);
    scaledSize_ = {w, h};
    if (!scaled_)
        return nullptr;
    HDC picture = CreateCompatibleDC(dc);
    HGDIOBJ oldPicture = SelectObject(picture, background_);
    BITMAP info{};
    GetObjectA(background_, sizeof info, &info);
    HDC target = CreateCompatibleDC(dc);
    HGDIOBJ oldTarget = SelectObject(target, scaled_);
    SetStretchBltMode(target, HALFTONE);
    StretchBlt(target, 0, 0, w, h, picture, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(target, oldTarget);
    DeleteDC(target);
    SelectObject(picture, oldPicture);
    DeleteDC(picture);
    return scaled_;
}

// With a picture the tree paints itself into memory on its see-through colour, and that
// image is laid over the picture: the picture shows wherever the tree drew no item. The
// stretched picture is kept, and only the part to be painted is put together.
void TreeList::PaintWithBackground(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    const RECT& r = ps.rcPaint;
    const int x = r.left, y = r.top, cx = r.right - r.left, cy = r.bottom - r.top;
    // Nothing to paint is common (the tree asks again after a selection): the tree's own
    // drawing of every item is the cost of a paint here.
    HBITMAP scaled = cx > 0 && cy > 0 && w > 0 && h > 0 ? ScaledBackground(dc, w, h) : nullptr;
    if (scaled) {
        HDC items = CreateCompatibleDC(dc);
        HBITMAP itemsBitmap = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ oldItems = SelectObject(items, itemsBitmap);
        IntersectClipRect(items, x, y, x + cx, y + cy);
        CallNextSubclass(window, WM_PAINT, reinterpret_cast<WPARAM>(items), 0);

        HDC canvas = CreateCompatibleDC(dc);
        HGDIOBJ oldCanvas = SelectObject(canvas, scaled);
        HDC composed = CreateCompatibleDC(dc);
        HBITMAP composedBitmap = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ oldComposed = SelectObject(composed, composedBitmap);
        BitBlt(composed, x, y, cx, cy, canvas, x, y, SRCCOPY);
        TransparentBlt(composed, x, y, cx, cy, items, x, y, cx, cy, kSeeThrough);
        BitBlt(dc, x, y, cx, cy, composed, x, y, SRCCOPY);
        SelectObject(composed, oldComposed);
        DeleteObject(composedBitmap);
        DeleteDC(composed);
        SelectObject(canvas, oldCanvas);
        DeleteDC(canvas);
        SelectObject(items, oldItems);
        DeleteObject(itemsBitmap);
        DeleteDC(items);
    } else if (cx > 0 && cy > 0) {
        CallNextSubclass(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    EndPaint(window, &ps);
}

LRESULT TreeList::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               void* data) {
    auto* self = static_cast<TreeList*>(data);
    if (self->background_) {
        switch (message) {
            case WM_ERASEBKGND:
                return 1;  // the paint covers everything
            case WM_PAINT:
                if (!wParam) {
                    self->PaintWithBackground(window);
                    return 0;
                }
                break;
            case WM_VSCROLL:
            case WM_HSCROLL:
            case WM_MOUSEWHEEL:
            case WM_KEYDOWN: {
                // The tree scrolls by moving its pixels, picture included: draw it afresh.
                const LRESULT result = CallNextSubclass(window, message, wParam, lParam);
                InvalidateRect(window, nullptr, FALSE);
                return result;
            }
            default:
                break;
        }
    }
    return CallNextSubclass(window, message, wParam, lParam);
}

}  // namespace tallowick
