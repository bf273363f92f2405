// The navigation tree: a standard tree-view control (so it answers every tree-view message)
// with what the program asks of a tree-list: one column with a blank heading, bold items,
// images from an image list, 32-bit item data, a background picture, and a message of the
// program's choosing sent to the parent when the selection changes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

namespace tallowick {

class TreeList {
  public:
    // InsertItem's parent for the root level and its "after" for appending.
    static constexpr std::uintptr_t kRoot = 0xFFFF0001;
    static constexpr std::uintptr_t kLast = 0xFFFF0002;

    TreeList() = default;
    ~TreeList();
    TreeList(const TreeList&) = delete;
    TreeList& operator=(const TreeList&) = delete;

    // Takes over the tree-view control `tree`, a dialog's child; the control stays the
    // dialog's to destroy.
    void Attach(HWND tree);
    HWND Window() const { return tree_; }

    // Borrowed: the list must outlive the control.
    void SetImageList(HIMAGELIST images);
    // The message sent to the parent (wParam 0, lParam the new item) when the selection
    // changes.
    void SetNotifyMessage(UINT message) { notifyMessage_ = message; }

    // The one column: a header over the tree, taking the top of the tree's rectangle, with
    // a heading of `text` and `width` that the user can neither size nor click. Only the
    // first call adds it.
    void AddHeading(const std::string& text, int width);

    void DeleteAllItems();
    // Inserts an item with its text, 32-bit data, boldness and image (the same in every
    // state) in one step. `parent` is an item or kRoot, `after` an item or kLast.
    HTREEITEM InsertItem(const std::string& text, std::uintptr_t parent, std::uintptr_t after,
                         DWORD data, bool bold, int image);
    HTREEITEM GetSelectedItem() const;
    DWORD GetItemData(HTREEITEM item) const;

    // Replaces the background picture, drawn behind the items; the tree takes ownership of
    // `bitmap` and deletes the previous one. Without one the tree has the window colour.
    void SetBackground(HBITMAP bitmap);

    // The parent passes on its WM_NOTIFY; true when it was the tree's or its header's, with
    // the answer in `result`.
    bool OnNotify(const NMHDR& header, LRESULT& result);

    // Moves and sizes the header and the tree together within `area` (parent client
    // coordinates).
    void Place(const RECT& area);
    // The rectangle both take, in parent client coordinates.
    RECT Area() const;

  private:
    static LRESULT SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                void* self);
    void PaintWithBackground(HWND window);
    // The picture stretched to w by h, made again only when the size changes.
    HBITMAP ScaledBackground(HDC dc, int w, int h);

    HWND tree_ = nullptr;
    HWND header_ = nullptr;
    HBITMAP background_ = nullptr;
    HBITMAP scaled_ = nullptr;
    SIZE scaledSize_{};
    UINT notifyMessage_ = 0;
};

}  // namespace tallowick
