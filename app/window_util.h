// Small helpers the program's windows share.
#pragma once

#include <windows.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "shell/skin.h"

namespace tallowick {

// A child window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A text of the program's string table; "" when it has none.
inline std::string ResourceString(UINT id) {
    char text[512] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

inline COLORREF ToColorRef(const SkinColour& c) {
    return RGB(c.red, c.green, c.blue);
}

// The whole file, or nullopt when it cannot be read.
inline std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace tallowick
