// The owner-drawn colour combo: a swatch of the item's colour beside its name. (A combo
// box takes the focus on a click by itself; subclassing it for that made every message to
// it several times slower under Wine.)
#pragma once

#include <windows.h>

namespace tallowick {

// WM_MEASUREITEM for a colour combo: the height of one row.
void MeasureColourItem(MEASUREITEMSTRUCT& measure);
// WM_DRAWITEM for a colour combo.
void DrawColourItem(const DRAWITEMSTRUCT& draw);

}  // namespace tallowick
