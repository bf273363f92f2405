#include "app/color_combo.h"

#include <string>

namespace tallowick {

namespace {

constexpr int kItemHeight = 16;

}  // namespace

void MeasureColourItem(MEASUREITEMSTRUCT& measure) {
    measure.itemHeight = kItemHeight;
}

void DrawColourItem(const DRAWITEMSTRUCT& draw) {
    HDC dc = draw.hDC;
    const RECT item = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    COLORREF back = GetSysColor(COLOR_WINDOW);
    if (selected) {
        text = ~text & 0x00FFFFFF;
        back = GetSysColor(COLOR_HIGHLIGHT);
    }
    HBRUSH backBrush = CreateSolidBrush(back);
    FillRect(dc, &item, backBrush);
    DeleteObject(backBrush);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item);

    RECT swatch = item;
    swatch.right = item.left + (item.right - item.left) / 4;
    const int textLeft = swatch.right + 2;
    const int textTop = item.top + 2;
    InflateRect(&swatch, -2, -2);
    if (static_cast<int>(draw.itemID) == -1)
        return;

    const auto length = SendMessageA(draw.hwndItem, CB_GETLBTEXTLEN, draw.itemID, 0);
    std::string name(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(draw.hwndItem, CB_GETLBTEXT, draw.itemID, reinterpret_cast<LPARAM>(name.data()));
    name.resize(std::char_traits<char>::length(name.c_str()));
    COLORREF swatchColour = static_cast<COLORREF>(draw.itemData);
    if (draw.itemState & ODS_DISABLED) {
        text = GetSysColor(COLOR_GRAYTEXT);
        swatchColour = text;
    }
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    const INT tabStop = 50;
    TabbedTextOutA(dc, textLeft, textTop, name.c_str(), static_cast<int>(name.size()), 1, &tabStop,
                   textLeft);
    HBRUSH swatchBrush = CreateSolidBrush(swatchColour);
    FillRect(dc, &swatch, swatchBrush);
    DeleteObject(swatchBrush);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace tallowick
