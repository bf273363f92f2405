// The shared page dialogs as data: their controls, template texts and geometry.
//
// The layouts are data: one table gives every control's id, kind, template text, initial
// visibility and dialog-unit rectangle. The in-memory pages are built from it; the Windows
// dialogs come from page_dialogs.rc, which a test under Wine checks against it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pages.h"

namespace tallowick {

// Control ids shared by several layouts.
namespace ctl {
inline constexpr int Description = 1006;
inline constexpr int MainCheck = 1013;
inline constexpr int SecondCheck = 1018;
inline constexpr int Note = 1024;
inline constexpr int Label1 = 1014;
inline constexpr int Label2 = 1019;
inline constexpr int Label3 = 1020;
inline constexpr int Label4 = 1039;
inline constexpr int Label5 = 1041;
inline constexpr int Label6 = 1046;
inline constexpr int Edit1 = 1015;
inline constexpr int Edit2 = 1017;
inline constexpr int Edit3 = 1025;
inline constexpr int Edit4 = 1042;
inline constexpr int Edit5 = 1049;
inline constexpr int Edit6 = 1051;
inline constexpr int Browse1 = 1023;
inline constexpr int Browse2 = 1026;
inline constexpr int Browse3 = 1027;
inline constexpr int Browse4 = 1048;
inline constexpr int Browse5 = 1050;
inline constexpr int Browse6 = 1052;
inline constexpr int Combo1 = 1021;
inline constexpr int Combo2 = 1022;
inline constexpr int Combo3 = 1029;
inline constexpr int Combo4 = 1030;
inline constexpr int Combo5 = 1031;
inline constexpr int Combo6 = 1043;
inline constexpr int ColourCombo = 1055;
inline constexpr int List = 1007;       // ListPage
inline constexpr int ValueList = 1009;  // ValueListPage
// MultiCheckPage's eight lower checkboxes, below 1013 and 1018.
inline constexpr int Check3 = 1028;
inline constexpr int Check4 = 1032;
inline constexpr int Check5 = 1033;
inline constexpr int Check6 = 1034;
inline constexpr int Check7 = 1035;
inline constexpr int Check8 = 1036;
inline constexpr int Check9 = 1037;
inline constexpr int Check10 = 1038;
// DriveHidePage.
inline constexpr int DriveTree = 1078;
inline constexpr int DriveApply = 1079;
inline constexpr int DenyHiddenOptions = 1082;
inline constexpr int AllowHiddenOptions = 1083;
}  // namespace ctl

// Every page layout and the main dialog (for its "Apply Changes" button), with each
// control's template text and initial visibility. Built once; lives for the process.
const std::vector<PageSpec>& PageLayouts();
// The page's name as the code spells it ("SixComboPage"), for messages and reports.
const char* PageName(PageId page);

// The template style of a combo box, which its ControlKind alone does not give. Every
// combo also has WS_VSCROLL and WS_TABSTOP.
enum class ComboStyle {
    None,                        // not a combo box
    DropDownNoScroll,            // CBS_DROPDOWN | CBS_DISABLENOSCROLL
    DropDownAutoScroll,          // CBS_DROPDOWN | CBS_AUTOHSCROLL
    DropDownAutoScrollNoScroll,  // CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_DISABLENOSCROLL
    ColourList,  // CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS
};

// A control's rectangle in dialog units inside its page. A combo's height includes its
// drop-down list.
struct ControlGeometry {
    PageId page;
    int id;
    int x, y, w, h;
    ComboStyle combo = ComboStyle::None;
};

// One entry for every control of PageLayouts(), in the same order. Lives for the process.
const std::vector<ControlGeometry>& PageGeometry();

// A page's rectangle in dialog units inside the main dialog; for the main dialog itself,
// its size at (0, 0).
struct PageFrame {
    PageId page;
    int x, y, w, h;
};

// One entry for every page of PageLayouts(), in the same order. Lives for the process.
const std::vector<PageFrame>& PageFrames();

}  // namespace tallowick
