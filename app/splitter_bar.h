// The bar between the tree and the pages. Dragging it with the left button moves it within
// its range and tells the parent how far, with WM_NOTIFY.
#pragma once

#include <windows.h>

namespace tallowick {

// WM_NOTIFY code and data sent when the bar has been moved. A notification code, not a
// message, so not counted from WM_USER: the parent knows the bar by its control id, and the
// common controls' own codes all lie below zero (counted down from NM_FIRST).
constexpr UINT kSplitterMoved = 1025;
struct SplitterNotify {
    NMHDR header;
    int delta;  // pixels; negative to the left (or up)
};

class SplitterBar {
  public:
    static constexpr int kThickness = 5;

    // Creates the bar in `area` (parent client coordinates), narrowed to kThickness along
    // its short side, keeping its left or top edge. The drag range is from 40 pixels before
    // to 10 pixels after the bar's centre. False when the window cannot be created.
    bool Create(HWND parent, RECT area, int id);
    HWND Window() const { return bar_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Position along the bar's axis, in the parent's client coordinates (the window may
    // move between the bar's creation and a drag), of a mouse message's point.
    int PointerAt(LPARAM lParam) const;
    int Centre() const;
    // `position` kept within the drag range.
    int Clamp(int position) const;
    void DrawMarker(int position);

    HWND bar_ = nullptr;
    bool vertical_ = true;
    int min_ = 0, max_ = 0;  // parent client coordinates along the axis
    int start_ = 0;          // the bar's centre when the drag began
    int marker_ = 0;         // where the marker is drawn
    bool dragging_ = false;
};

}  // namespace tallowick
