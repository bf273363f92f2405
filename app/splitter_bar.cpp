#include "app/splitter_bar.h"

#include <initializer_list>

namespace tallowick {

namespace {

constexpr const char* kClassName = "TallowickSplitterBar";
constexpr COLORREF kFill = RGB(200, 220, 220);
constexpr COLORREF kOutline = RGB(200, 200, 200);
constexpr int kBefore = 40;
constexpr int kAfter = 10;

}  // namespace

bool SplitterBar::Create(HWND parent, RECT area, int id) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kClassName, &wc)) {
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = nullptr;  // set per bar: west-east or north-south
        wc.lpszClassName = kClassName;
        if (!RegisterClassA(&wc))
            return false;
    }
    vertical_ = (area.right - area.left) < (area.bottom - area.top);
    if (vertical_)
        area.right = area.left + kThickness;
    else
        area.bottom = area.top + kThickness;
    bar_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, area.left,
                           area.top, area.right - area.left, area.bottom - area.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    if (!bar_)
        return false;
    const int centre = Centre();
    min_ = centre - kBefore;
    max_ = centre + kAfter;
    return true;
}

int SplitterBar::PointerAt(LPARAM lParam) const {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(bar_, GetParent(bar_), &p, 1);
    return vertical_ ? p.x : p.y;
}

int SplitterBar::Centre() const {
    RECT r;
    GetWindowRect(bar_, &r);
    MapWindowPoints(nullptr, GetParent(bar_), reinterpret_cast<POINT*>(&r), 2);
    return vertical_ ? (r.left + r.right) / 2 : (r.top + r.bottom) / 2;
}

int SplitterBar::Clamp(int position) const {
    return position < min_ ? min_ : position > max_ ? max_ : position;
}

// Two lines in XOR, so drawing the marker again at the same place removes it.
void SplitterBar::DrawMarker(int position) {
    HWND parent = GetParent(bar_);
    RECT bar;
    GetWindowRect(bar_, &bar);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bar), 2);
    const POINT at{position, position};
    HDC dc = GetDC(parent);
    HPEN pen = CreatePen(PS_SOLID, 1, kOutline);
    HGDIOBJ old = SelectObject(dc, pen);
    const int mode = SetROP2(dc, R2_NOTXORPEN);
    for (int offset : {0, 2}) {
        if (vertical_) {
            MoveToEx(dc, at.x + offset, bar.top, nullptr);
            LineTo(dc, at.x + offset, bar.bottom);
        } else {
            MoveToEx(dc, bar.left, at.y + offset, nullptr);
            LineTo(dc, bar.right, at.y + offset);
        }
    }
    SetROP2(dc, mode);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(parent, dc);
}

void SplitterBar::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar_, &ps);
    RECT r;
    GetClientRect(bar_, &r);
    HBRUSH fill = CreateSolidBrush(kFill);
    HPEN pen = CreatePen(PS_SOLID, 1, kOutline);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(fill);
    // The 3-D frame around it.
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    oldPen = SelectObject(dc, light);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, shadow);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left, r.bottom - 1);
    SelectObject(dc, oldPen);
    DeleteObject(shadow);
    DeleteObject(light);
    EndPaint(bar_, &ps);
}

LRESULT SplitterBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SETCURSOR:
            SetCursor(LoadCursor(nullptr, vertical_ ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        case WM_LBUTTONDOWN: {
            SetCapture(bar_);
            start_ = Centre();
            marker_ = Clamp(PointerAt(lParam));
            dragging_ = true;
            DrawMarker(marker_);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (dragging_) {
                const int position = Clamp(PointerAt(lParam));
                if (position != marker_) {
                    DrawMarker(marker_);
                    marker_ = position;
                    DrawMarker(marker_);
                }
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED: {
            if (!dragging_)
                return 0;
            dragging_ = false;
            DrawMarker(marker_);
            if (message == WM_LBUTTONUP) {
                marker_ = Clamp(PointerAt(lParam));
                ReleaseCapture();
            }
            // The bar's centre goes where the marker was.
            const int delta = marker_ - start_;
            if (delta != 0) {
                HWND parent = GetParent(bar_);
                RECT r;
                GetWindowRect(bar_, &r);
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
                if (vertical_)
                    OffsetRect(&r, delta, 0);
                else
                    OffsetRect(&r, 0, delta);
                MoveWindow(bar_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
                SplitterNotify notify{};
                notify.header.hwndFrom = bar_;
                notify.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(bar_));
                notify.header.code = kSplitterMoved;
                notify.delta = delta;
                SendMessageA(parent, WM_NOTIFY, notify.header.idFrom,
                             reinterpret_cast<LPARAM>(&notify));
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcA(bar_, message, wParam, lParam);
}

LRESULT CALLBACK SplitterBar::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<SplitterBar*>(create->lpCreateParams);
        self->bar_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SplitterBar*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

}  // namespace tallowick
