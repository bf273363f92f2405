// Paints the program's windows from the skin file: colours and fonts per skin class
// ("Main", "SubMain", "Label", "CheckBox", "Button", "Radio Button") and clickable elements
// on the main window. A window is skinned by subclassing it; its parent answers the
// WM_CTLCOLOR* questions of skinned children with the skin's colours.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "shell/skin.h"

namespace tallowick {

class SkinEngine {
  public:
    SkinEngine() = default;
    ~SkinEngine();
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // Reads and checks the skin file. False, with no skin loaded, when the file is missing,
    // unreadable or not a valid skin.
    bool LoadSkin(const std::string& path);
    // Skins a top-level window as "Main" and puts the skin's elements on it. False when no
    // skin is loaded, the window is not a top-level window or the skin has no "Main".
    bool ApplySkin(HWND window);
    // Skins one window with a skin class. False when no skin is loaded, the window does not
    // exist or the skin has no such class.
    bool ApplySkinElement(HWND window, const std::string& skinClass);

    // Called with the element's name when the user clicks one of the skin's elements.
    void OnElementClicked(std::function<void(const std::string& name)> handler) {
        onElement_ = std::move(handler);
    }

    // Forgets every window it skinned and the skin; windows keep their last look.
    void Release();

  private:
    struct Skinned {
        const SkinClass* look;
        std::string elementName;  // empty unless the window is one of the skin's elements
    };

    static LRESULT SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                void* self);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    bool Attach(HWND window, const SkinClass& look, std::string elementName = {});
    HBRUSH Brush(const SkinColour& colour);
    HFONT Font(const SkinFont& font, bool underline);
    const Skinned* Find(HWND window) const;

    std::optional<Skin> skin_;
    std::map<HWND, Skinned> windows_;
    struct GdiDeleter {
        void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
    };
    using GdiObject = std::unique_ptr<void, GdiDeleter>;
    std::map<COLORREF, GdiObject> brushes_;
    std::map<std::string, GdiObject> fonts_;
    std::function<void(const std::string&)> onElement_;
};

}  // namespace tallowick
