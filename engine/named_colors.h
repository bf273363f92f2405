// The 140 named web colours, and the logic of the colour combo boxes that offer them.
// The combo's swatch drawing belongs to the Windows program; this is what it shows and
// what a tweak stores.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pages.h"

namespace tallowick {

struct NamedColor {
    std::uint32_t colour;  // COLORREF 0x00BBGGRR
    const char* name;
};

// The CSS3 extended colour keywords in alphabetical order, one spelling each (the "Gray"
// spellings, but "LightGrey"). Aqua and Cyan, and Fuchsia and Magenta, share a value.
const std::array<NamedColor, 140>& NamedColorTable();

// Empties the combo, then adds every name with its colour as the item's data.
void FillColorCombo(Pages& pages, PageId page, int id);
// The selected item's colour; 0 (black) when nothing is selected.
std::uint32_t SelectedColor(const Pages& pages, PageId page, int id);
// Selects the first item whose colour equals `colour` exactly; otherwise the selection
// stays as it was.
void SelectColor(Pages& pages, PageId page, int id, std::uint32_t colour);

// The REG_BINARY form: the COLORREF's 4 bytes, little-endian (red, green, blue, 0).
std::vector<std::uint8_t> ColorToBinary(std::uint32_t colour);
// The REG_SZ form: red, green and blue in decimal, separated by single spaces.
std::string ColorToText(std::uint32_t colour);

}  // namespace tallowick
