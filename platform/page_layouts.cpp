#include "platform/page_layouts.h"

#include <iterator>
#include <string>
#include <utility>

namespace tallowick {

namespace {

using K = ControlKind;
using S = ComboStyle;
constexpr bool kShown = true;
constexpr bool kHidden = false;

// One control of one page: everything the in-memory seam needs, and the dialog resources
// must match.
struct Row {
    PageId page;
    int id;
    ControlKind kind;
    const char* text;
    bool visible;
    int x, y, w, h;
    ComboStyle combo = S::None;
};

// Every page is a child of the main dialog at (215, 20), 218 high; only the width varies.
constexpr int kPageX = 215;
constexpr int kPageY = 20;
constexpr int kPageHeight = 218;

// clang-format off
constexpr PageFrame kFrames[] = {
    {PageId::MainDialog,     0,     0,     525, 249},
    {PageId::ListPage,       kPageX, kPageY, 296, kPageHeight},
    {PageId::MultiCheckPage, kPageX, kPageY, 304, kPageHeight},
    {PageId::PathEditPage,   kPageX, kPageY, 307, kPageHeight},
    {PageId::ComboCheckPage, kPageX, kPageY, 293, kPageHeight},
    {PageId::ValueListPage,  kPageX, kPageY, 285, kPageHeight},
    {PageId::SixPathPage,    kPageX, kPageY, 296, kPageHeight},
    {PageId::SixComboPage,   kPageX, kPageY, 288, kPageHeight},
    {PageId::EditComboPage,  kPageX, kPageY, 288, kPageHeight},
    {PageId::CheckComboPage, kPageX, kPageY, 284, kPageHeight},
    // No size is fixed for this page: it takes the ListPage's, the widest list it resembles.
    {PageId::DriveHidePage,  kPageX, kPageY, 296, kPageHeight},
};

constexpr Row kRows[] = {
    {PageId::MainDialog, kApplyChangesButton, K::PushButton, "Apply Changes", kHidden, 317, 216, 72, 16},

    {PageId::ListPage, 1006, K::Static,   "",       kShown,  20,  7, 266,  45},
    {PageId::ListPage, 1013, K::CheckBox, "Check1", kHidden, 20, 57, 266,  14},
    {PageId::ListPage, 1007, K::List,     "",       kHidden, 20, 79, 266, 115},

    // The note lies over the lower checkboxes: a tweak uses one or the other.
    {PageId::MultiCheckPage, 1006, K::Static,   "",        kShown,  20,  10, 282, 50},
    {PageId::MultiCheckPage, 1013, K::CheckBox, "Check1",  kHidden, 20,  64, 282, 12},
    {PageId::MultiCheckPage, 1018, K::CheckBox, "Check2",  kHidden, 20,  78, 282, 12},
    {PageId::MultiCheckPage, 1028, K::CheckBox, "Check3",  kHidden, 20,  91, 282, 12},
    {PageId::MultiCheckPage, 1032, K::CheckBox, "Check4",  kHidden, 20, 104, 282, 12},
    {PageId::MultiCheckPage, 1033, K::CheckBox, "Check5",  kHidden, 20, 117, 282, 12},
    {PageId::MultiCheckPage, 1034, K::CheckBox, "Check6",  kHidden, 20, 130, 282, 12},
    {PageId::MultiCheckPage, 1035, K::CheckBox, "Check7",  kHidden, 20, 143, 282, 12},
    {PageId::MultiCheckPage, 1036, K::CheckBox, "Check8",  kHidden, 20, 156, 282, 12},
    {PageId::MultiCheckPage, 1037, K::CheckBox, "Check9",  kHidden, 20, 169, 282, 12},
    {PageId::MultiCheckPage, 1038, K::CheckBox, "Check10", kHidden, 20, 182, 282, 12},
    {PageId::MultiCheckPage, 1024, K::Static,   "Note",    kShown,  20, 146, 282, 65},

    {PageId::PathEditPage, 1006, K::Static,     "",       kShown,  20,  10, 282, 51},
    {PageId::PathEditPage, 1013, K::CheckBox,   "Check1", kShown,  20,  65, 282, 12},
    {PageId::PathEditPage, 1014, K::Static,     "Lable1", kShown,  24,  81, 115, 15},
    {PageId::PathEditPage, 1015, K::Edit,       "",       kShown, 151,  81, 107, 15},
    {PageId::PathEditPage, 1023, K::PushButton, "...",    kShown, 273,  81,  25, 15},
    {PageId::PathEditPage, 1019, K::Static,     "Lable2", kShown,  24, 100, 115, 15},
    {PageId::PathEditPage, 1017, K::Edit,       "",       kShown, 151, 100, 107, 15},
    {PageId::PathEditPage, 1026, K::PushButton, "...",    kShown, 273, 101,  25, 15},
    {PageId::PathEditPage, 1020, K::Static,     "Lable3", kShown,  24, 119, 115, 15},
    {PageId::PathEditPage, 1025, K::Edit,       "",       kShown, 151, 119, 107, 15},
    {PageId::PathEditPage, 1027, K::PushButton, "...",    kShown, 273, 121,  25, 15},
    {PageId::PathEditPage, 1018, K::CheckBox,   "Check2", kShown,  20, 139, 282, 12},
    {PageId::PathEditPage, 1024, K::Static,     "Note",   kShown,  20, 161, 282, 50},

    // The colour combo sits where combo 1021 is; colour tweaks show it instead.
    {PageId::ComboCheckPage, 1006, K::Static,      "",       kShown,  20,  10, 263,  53},
    {PageId::ComboCheckPage, 1013, K::CheckBox,    "Check1", kShown,  20,  72, 263,  12},
    {PageId::ComboCheckPage, 1014, K::Static,      "Lable1", kShown,  20,  90, 119,  15},
    {PageId::ComboCheckPage, 1021, K::Combo,       "",       kShown, 145,  90, 122,  77, S::DropDownNoScroll},
    {PageId::ComboCheckPage, 1055, K::ColourCombo, "",       kShown, 145,  90, 122, 116, S::ColourList},
    {PageId::ComboCheckPage, 1019, K::Static,      "Lable2", kShown,  20, 112, 119,  15},
    {PageId::ComboCheckPage, 1022, K::Combo,       "",       kShown, 145, 112, 122,  66, S::DropDownAutoScroll},
    {PageId::ComboCheckPage, 1024, K::Static,      "Note",   kShown,  20, 144, 263,  54},

    {PageId::ValueListPage, 1006, K::Static,    "", kShown, 20,  7, 255,  50},
    {PageId::ValueListPage, 1009, K::CheckList, "", kShown, 20, 63, 255, 104},

    {PageId::SixPathPage, 1006, K::Static,     "",       kShown,  20,   7, 270, 53},
    {PageId::SixPathPage, 1014, K::Static,     "Lable1", kShown,  20,  72, 109, 15},
    {PageId::SixPathPage, 1015, K::Edit,       "",       kShown, 135,  71, 114, 15},
    {PageId::SixPathPage, 1023, K::PushButton, "...",    kShown, 254,  71,  25, 15},
    {PageId::SixPathPage, 1019, K::Static,     "Lable2", kShown,  20,  92, 109, 15},
    {PageId::SixPathPage, 1017, K::Edit,       "",       kShown, 135,  92, 114, 15},
    {PageId::SixPathPage, 1026, K::PushButton, "...",    kShown, 254,  92,  25, 15},
    {PageId::SixPathPage, 1020, K::Static,     "Lable3", kShown,  20, 112, 109, 15},
    {PageId::SixPathPage, 1025, K::Edit,       "",       kShown, 135, 111, 114, 15},
    {PageId::SixPathPage, 1027, K::PushButton, "...",    kShown, 254, 111,  25, 15},
    {PageId::SixPathPage, 1039, K::Static,     "Lable4", kShown,  20, 132, 109, 15},
    {PageId::SixPathPage, 1042, K::Edit,       "",       kShown, 135, 132, 114, 15},
    {PageId::SixPathPage, 1048, K::PushButton, "...",    kShown, 254, 132,  25, 15},
    {PageId::SixPathPage, 1041, K::Static,     "Lable5", kShown,  20, 152, 109, 15},
    {PageId::SixPathPage, 1049, K::Edit,       "",       kShown, 135, 151, 114, 15},
    {PageId::SixPathPage, 1050, K::PushButton, "...",    kShown, 254, 151,  25, 15},
    {PageId::SixPathPage, 1046, K::Static,     "Lable6", kShown,  20, 172, 109, 15},
    {PageId::SixPathPage, 1051, K::Edit,       "",       kShown, 135, 172, 114, 15},
    {PageId::SixPathPage, 1052, K::PushButton, "...",    kShown, 254, 172,  25, 15},

    // Drop-down heights are not fixed for this page; they follow the other pages' combos
    // of the same style (77 for the editable one, 66 for the others).
    {PageId::SixComboPage, 1006, K::Static, "",       kShown,  20,  10, 263, 52},
    {PageId::SixComboPage, 1014, K::Static, "Lable1", kShown,  20,  69, 125, 12},
    {PageId::SixComboPage, 1021, K::Combo,  "",       kShown, 153,  69, 121, 77, S::DropDownNoScroll},
    {PageId::SixComboPage, 1019, K::Static, "Lable2", kShown,  20,  89, 125, 12},
    {PageId::SixComboPage, 1022, K::Combo,  "",       kShown, 153,  89, 121, 66, S::DropDownAutoScroll},
    {PageId::SixComboPage, 1020, K::Static, "Lable3", kShown,  20, 109, 125, 12},
    {PageId::SixComboPage, 1029, K::Combo,  "",       kShown, 153, 109, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::SixComboPage, 1039, K::Static, "Lable4", kShown,  20, 129, 125, 12},
    {PageId::SixComboPage, 1030, K::Combo,  "",       kShown, 153, 129, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::SixComboPage, 1041, K::Static, "Lable5", kShown,  20, 149, 125, 12},
    {PageId::SixComboPage, 1031, K::Combo,  "",       kShown, 153, 149, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::SixComboPage, 1046, K::Static, "Lable6", kShown,  20, 169, 125, 12},
    {PageId::SixComboPage, 1043, K::Combo,  "",       kShown, 153, 169, 121, 66, S::DropDownAutoScrollNoScroll},

    // Row 1 shows either edit 1 or combo 4, at the same place.
    {PageId::EditComboPage, 1006, K::Static, "",       kShown,   20,  10, 265, 54},
    {PageId::EditComboPage, 1014, K::Static, "Lable1", kShown,   20,  74, 127, 15},
    {PageId::EditComboPage, 1015, K::Edit,   "",       kHidden, 164,  74, 121, 15},
    {PageId::EditComboPage, 1030, K::Combo,  "",       kHidden, 164,  75, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::EditComboPage, 1019, K::Static, "Lable2", kShown,   20,  96, 127, 15},
    {PageId::EditComboPage, 1021, K::Combo,  "",       kShown,  164,  96, 121, 66, S::DropDownAutoScroll},
    {PageId::EditComboPage, 1020, K::Static, "Lable3", kShown,   20, 118, 127, 15},
    {PageId::EditComboPage, 1022, K::Combo,  "",       kShown,  164, 118, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::EditComboPage, 1039, K::Static, "Lable4", kShown,   20, 140, 127, 15},
    {PageId::EditComboPage, 1029, K::Combo,  "",       kShown,  164, 140, 121, 66, S::DropDownAutoScrollNoScroll},
    {PageId::EditComboPage, 1024, K::Static, "Note",   kShown,   20, 163, 265, 48},

    {PageId::CheckComboPage, 1006, K::Static,   "",       kShown,  20, 10, 260, 55},
    {PageId::CheckComboPage, 1013, K::CheckBox, "Check1", kShown,  20, 72, 260, 12},
    {PageId::CheckComboPage, 1014, K::Static,   "Lable1", kShown,  20, 90, 120, 15},
    {PageId::CheckComboPage, 1021, K::Combo,    "",       kShown, 158, 90, 122, 77, S::DropDownNoScroll},
    {PageId::CheckComboPage, 1024, K::Static,   "Note",   kShown,  20, 144, 260, 53},

    // Texts as the page shows them, blanks and spelling included. The page is laid out
    // top to bottom in the width of the other pages, its own button at the bottom right
    // where "Apply Changes" sits on the main dialog.
    {PageId::DriveHidePage, 1006, K::Static,      "Select  the partition to  hide", kShown, 20, 7, 266, 14},
    {PageId::DriveHidePage, 1078, K::Tree,        "", kShown, 20, 24, 266, 110},
    {PageId::DriveHidePage, 1082, K::RadioButton, "Deny access to (Hide/ Show hidden files and folders)  options", kShown, 20, 140, 266, 12},
    {PageId::DriveHidePage, 1083, K::RadioButton, "Allaw access to (Hide/ Show hidden files and folders)  options", kShown, 20, 154, 266, 12},
    {PageId::DriveHidePage, 1024, K::Static,      "Note :\n\t You must restart or Log out of Windows for changes to take  effect .", kShown, 20, 170, 266, 24},
    {PageId::DriveHidePage, 1079, K::PushButton,  "Apply Changes", kShown, 214, 198, 72, 16},
};
// clang-format on

}  // namespace

const char* PageName(PageId page) {
    switch (page) {
        case PageId::MainDialog:
            return "MainDialog";
        case PageId::ListPage:
            return "ListPage";
        case PageId::SixPathPage:
            return "SixPathPage";
        case PageId::MultiCheckPage:
            return "MultiCheckPage";
        case PageId::PathEditPage:
            return "PathEditPage";
        case PageId::ComboCheckPage:
            return "ComboCheckPage";
        case PageId::ValueListPage:
            return "ValueListPage";
        case PageId::SixComboPage:
            return "SixComboPage";
        case PageId::EditComboPage:
            return "EditComboPage";
        case PageId::CheckComboPage:
            return "CheckComboPage";
        case PageId::DriveHidePage:
            return "DriveHidePage";
    }
    return "Page";
}

const std::vector<PageSpec>& PageLayouts() {
    static const std::vector<PageSpec> layouts = [] {
        std::vector<PageSpec> out;
        for (const PageFrame& frame : kFrames) {
            PageSpec layout;
            layout.page = frame.page;
            for (const Row& row : kRows) {
                if (row.page == frame.page)
                    layout.controls.push_back({row.id, row.kind, row.text, row.visible, true});
            }
            out.push_back(std::move(layout));
        }
        return out;
    }();
    return layouts;
}

const std::vector<ControlGeometry>& PageGeometry() {
    static const std::vector<ControlGeometry> geometry = [] {
        std::vector<ControlGeometry> out;
        for (const PageFrame& frame : kFrames) {
            for (const Row& row : kRows) {
                if (row.page == frame.page)
                    out.push_back({row.page, row.id, row.x, row.y, row.w, row.h, row.combo});
            }
        }
        return out;
    }();
    return geometry;
}

const std::vector<PageFrame>& PageFrames() {
    static const std::vector<PageFrame> frames(std::begin(kFrames), std::end(kFrames));
    return frames;
}

}  // namespace tallowick
