#include "app/skin_engine.h"

#include <commctrl.h>

#include "app/window_util.h"
#include "platform/win32/subclass.h"

namespace tallowick {

namespace {

constexpr int kFirstElementId = 0xE000;

}  // namespace

SkinEngine::~SkinEngine() {
    Release();
}

void SkinEngine::Release() {
    for (auto& [window, skinned] : windows_)
        RemoveSubclass(window, SubclassProc);
    windows_.clear();
    skin_.reset();
}

bool SkinEngine::LoadSkin(const std::string& path) {
    Release();
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text)
        return false;
    skin_ = ParseSkin(*text);
    return skin_.has_value();
}

bool SkinEngine::ApplySkin(HWND window) {
    if (!skin_ || !IsWindow(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        return false;
    const SkinClass* main = skin_->FindClass("Main");
    if (!main || !Attach(window, *main))
        return false;
    // Elements are placed in dialog units, like the dialog's own controls.
    int id = kFirstElementId;
    for (const SkinElement& element : skin_->elements) {
        RECT r{element.x, element.y, element.x + element.width, element.y + element.height};
        MapDialogRect(window, &r);
        HWND control = CreateWindowExA(0, "STATIC", element.text.c_str(),
                                       WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_RIGHT, r.left, r.top,
                                       r.right - r.left, r.bottom - r.top, window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)),
                                       GetModuleHandleA(nullptr), nullptr);
        if (!control || !Attach(control, element.look, element.name))
            return false;
    }
    return true;
}

bool SkinEngine::ApplySkinElement(HWND window, const std::string& skinClass) {
    if (!skin_ || !window || !IsWindow(window))
        return false;
    const SkinClass* look = skin_->FindClass(skinClass);
    return look && Attach(window, *look);
}

bool SkinEngine::Attach(HWND window, const SkinClass& look, std::string elementName) {
    // One subclass per window, whatever it is skinned as.
    if (!AddSubclass(window, SubclassProc, this))
        return false;
    const bool element = !elementName.empty();
    windows_[window] = Skinned{&look, std::move(elementName)};
    if (look.font || element) {
        const SkinFont font = look.font.value_or(SkinFont{"Tahoma", 8, false});
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font(font, element)), FALSE);
    }
    // A hidden window is drawn with its new look when it is shown.
    if (IsWindowVisible(window))
        InvalidateRect(window, nullptr, TRUE);
    return true;
}

HBRUSH SkinEngine::Brush(const SkinColour& colour) {
    const COLORREF key = ToColorRef(colour);
    auto& brush = brushes_[key];
    if (!brush)
        brush.reset(CreateSolidBrush(key));
    return static_cast<HBRUSH>(brush.get());
}

HFONT SkinEngine::Font(const SkinFont& font, bool underline) {
    const std::string key = font.face + "," + std::to_string(font.points) +
                            (font.bold ? ",b" : "") + (underline ? ",u" : "");
    auto& object = fonts_[key];
    if (!object) {
        HDC screen = GetDC(nullptr);
        const int height = -MulDiv(font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        object.reset(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, underline,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, font.face.c_str()));
    }
    return static_cast<HFONT>(object.get());
}

const SkinEngine::Skinned* SkinEngine::Find(HWND window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

LRESULT SkinEngine::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* self) {
    bool handled = false;
    const LRESULT result =
        static_cast<SkinEngine*>(self)->Handle(window, message, wParam, lParam, handled);
    return handled ? result : CallNextSubclass(window, message, wParam, lParam);
}

LRESULT SkinEngine::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    const Skinned* self = Find(window);
    switch (message) {
        case WM_CTLCOLORDLG:
            if (self && self->look->background) {
                handled = true;
                return reinterpret_cast<LRESULT>(Brush(*self->look->background));
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Only skinned children take the skin's colours: read-only edits ask here too.
            const Skinned* child = Find(reinterpret_cast<HWND>(lParam));
            if (!child)
                break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (child->look->text)
                SetTextColor(dc, ToColorRef(*child->look->text));
            const std::optional<SkinColour> back =
                child->look->background ? child->look->background
                                        : (self ? self->look->background : std::nullopt);
            handled = true;
            SetBkMode(dc, TRANSPARENT);
            if (!back) {
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            SetBkColor(dc, ToColorRef(*back));
            return reinterpret_cast<LRESULT>(Brush(*back));
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == STN_CLICKED) {
                const Skinned* child = Find(reinterpret_cast<HWND>(lParam));
                if (child && !child->elementName.empty()) {
                    handled = true;
                    if (onElement_)
                        onElement_(child->elementName);
                    return 0;
                }
            }
            break;
        case WM_SETCURSOR:
            if (self && !self->elementName.empty()) {
                handled = true;
                SetCursor(LoadCursor(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_NCDESTROY:
            RemoveSubclass(window, SubclassProc);
            windows_.erase(window);
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace tallowick
