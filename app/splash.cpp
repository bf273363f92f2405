#include "app/splash.h"

#include "app/window_util.h"

namespace tallowick {

namespace {

constexpr const char* kClassName = "TallowickSplash";
constexpr UINT_PTR kCloseTimer = 1;

// Draws `text` in a font of `points` (bold when asked) inside `box`.
void DrawLine(HDC dc, const std::string& text, int points, bool bold, RECT box, UINT format) {
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

}  // namespace

SplashScreen::~SplashScreen() {
    if (window_)
        DestroyWindow(window_);
}

void SplashScreen::Load(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    splash_ = text ? ParseSplash(*text) : std::nullopt;
}

void SplashScreen::Show() {
    if (!splash_ || window_ || splash_->milliseconds == 0)
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kClassName, &wc)) {
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        RegisterClassA(&wc);
    }
    const int x = (GetSystemMetrics(SM_CXSCREEN) - splash_->width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - splash_->height) / 2;
    window_ =
        CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, splash_->title.c_str(), WS_POPUP | WS_BORDER,
                        x, y, splash_->width, splash_->height, nullptr, nullptr, instance, this);
    if (!window_)
        return;
    SetTimer(window_, kCloseTimer, static_cast<UINT>(splash_->milliseconds), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

void SplashScreen::Paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH back = CreateSolidBrush(ToColorRef(splash_->background));
    FillRect(dc, &client, back);
    DeleteObject(back);
    // An accent band along the left edge and a thin rule under the title.
    RECT band{0, 0, client.bottom / 4, client.bottom};
    HBRUSH accent = CreateSolidBrush(ToColorRef(splash_->accent));
    FillRect(dc, &band, accent);
    const int left = band.right + 16;
    RECT rule{left, client.bottom / 2 + 2, client.right - 16, client.bottom / 2 + 4};
    FillRect(dc, &rule, accent);
    DeleteObject(accent);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(splash_->text));
    DrawLine(dc, splash_->title, 20, true, RECT{left, 0, client.right - 8, client.bottom / 2},
             DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
    DrawLine(dc, splash_->subtitle, 9, false,
             RECT{left, client.bottom / 2 + 10, client.right - 8, client.bottom - 8},
             DT_LEFT | DT_TOP | DT_WORDBREAK);
    EndPaint(window, &ps);
}

LRESULT CALLBACK SplashScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SplashScreen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            if (self && self->splash_) {
                self->Paint(window);
                return 0;
            }
            break;
        case WM_TIMER:
        case WM_LBUTTONDOWN:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            KillTimer(window, kCloseTimer);
            if (self)
                self->window_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tallowick
