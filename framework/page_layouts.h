// The shared page dialogs: their controls, their one-time set-up, the reset that runs before
// every selection, and the behaviour the pages themselves carry (description text, browse
// buttons, the two checkboxes that switch other controls).
//
// The layouts are data: one table gives every control's id, kind, template text, initial
// visibility and dialog-unit rectangle, so the in-memory pages and the Windows dialog
// templates are built from the same numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pages.h"
#include "shell/tweak_catalogue.h"

namespace tallowick {

class Host;

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

// One-time set-up when the pages are created: the colour combo of ComboCheckPage gets the
// named colours and CheckComboPage's combo 1021 the numbers "0" to "10000".
void InitialisePages(Pages& pages);

// Runs before every ShowHandler: hides every page, the optional controls a previous
// handler may have shown, and "Apply Changes"; enables again what handlers disable.
// Texts, items and rows stay as they were.
void ResetPages(Pages& pages);

// Empties a list of every row and every column, whoever filled it last: the ListPage's
// list is shared by the group lists and by tweaks with columns of their own.
void ClearList(Pages& pages, PageId page, int id);

// The description static 1006 of `page`: the record's name, ":\n", its description.
void ShowDescription(Pages& pages, PageId page, const TweakRecord& record);

// The browse buttons' picker: a folder for the tweaks that store folders, an icon for the
// Recycle Bin icons, any file otherwise. A file comes back in double quotes, a folder
// without; a cancelled picker gives "". `owner` is the main window.
std::string Browse(Host& host, std::uintptr_t owner, TweakId selected);

// BN_CLICKED from a page control while `current` is the selected node: browse buttons
// fill the edit of their own row; PathEditPage's 1013 (for 159) and CheckComboPage's
// 1013 (for 82) switch the controls that depend on them. Other clicks are ignored.
void OnPageButtonClicked(Pages& pages, Host& host, std::uintptr_t owner, TweakId current,
                         PageId page, int id);

}  // namespace tallowick
