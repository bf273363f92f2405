// The owner-drawn colour combo: a swatch of the item's colour beside its name.
#pragma once

#include <windows.h>

namespace tallowick {

// Makes the combo take the focus on a click before it opens, as a list of colours should.
void AttachColourCombo(HWND combo);
// WM_MEASUREITEM for a colour combo: the height of one row.
void MeasureColourItem(MEASUREITEMSTRUCT& measure);
// WM_DRAWITEM for a colour combo.
void DrawColourItem(const DRAWITEMSTRUCT& draw);

}  // namespace tallowick
