#include "platform/win32/page_dialogs.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/page_layouts.h"

namespace tallowick {

namespace {

// List view extended styles set after creation, as a template cannot carry them:
// full-row select, regional and info tips, plus check boxes for the value list.
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL | LVS_EX_INFOTIP;
constexpr DWORD kCheckListExStyle = kListExStyle | LVS_EX_CHECKBOXES;
static_assert(kListExStyle == 0x620 && kCheckListExStyle == 0x624);
constexpr COLORREF kListBackground = RGB(249, 250, 251);

constexpr WORD kFontPoints = 8;
constexpr const char* kFontName = "MS Shell Dlg";
constexpr const char* kMainCaption = "Tallowick";

// An in-memory dialog template: DLGTEMPLATE, then its DLGITEMTEMPLATEs, each on a DWORD
// boundary, with class names, texts and the font as UTF-16 strings.
class TemplateWriter {
  public:
    void Dialog(DWORD style, short x, short y, short w, short h, WORD count,
                const std::string& caption) {
        Dword(style);
        Dword(0);  // extended style
        Word(count);
        Rect(x, y, w, h);
        Word(0);  // no menu
        Word(0);  // the standard dialog class
        Text(caption);
        Word(kFontPoints);
        Text(kFontName);
    }

    void Item(DWORD style, short x, short y, short w, short h, int id, const char* className,
              const std::string& text) {
        Align();
        Dword(style);
        Dword(0);  // extended style
        Rect(x, y, w, h);
        Word(static_cast<WORD>(id));
        Text(className);
        Text(text);
        Word(0);  // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Rect(short x, short y, short w, short h) {
        for (short v : {x, y, w, h})
            Word(static_cast<WORD>(v));
    }
    // ANSI texts of the layouts, in the code page the ANSI calls use.
    void Text(const std::string& text) {
        if (!text.empty()) {
            const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                              nullptr, 0);
            std::vector<wchar_t> wide(static_cast<std::size_t>(n));
            MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                n);
            for (wchar_t c : wide)
                Word(static_cast<WORD>(c));
        }
        Word(0);
    }
    void Align() {
        if (words_.size() % 2 != 0)
            Word(0);
    }

    std::vector<WORD> words_;  // WORDs keep the template WORD-aligned, as it must be
};

DWORD ComboStyleBits(ComboStyle style) {
    switch (style) {
        case ComboStyle::DropDownNoScroll:
            return CBS_DROPDOWN | CBS_DISABLENOSCROLL;
        case ComboStyle::DropDownAutoScroll:
            return CBS_DROPDOWN | CBS_AUTOHSCROLL;
        case ComboStyle::DropDownAutoScrollNoScroll:
            return CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_DISABLENOSCROLL;
        case ComboStyle::ColourList:
            return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT | CBS_HASSTRINGS;
        case ComboStyle::None:
            break;
    }
    return CBS_DROPDOWN;
}

struct ControlClass {
    const char* name;
    DWORD style;
};

// The window class and the kind's own styles; visibility and grouping are added by the caller.
ControlClass ClassOf(ControlKind kind, ComboStyle combo) {
    switch (kind) {
        case ControlKind::Static:
            return {"STATIC", SS_LEFT};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
        case ControlKind::RadioButton:
            return {"BUTTON", BS_AUTORADIOBUTTON};
        case ControlKind::PushButton:
            return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case ControlKind::Edit:
            return {"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP};
        case ControlKind::Combo:
        case ControlKind::ColourCombo:
            return {"COMBOBOX", ComboStyleBits(combo) | WS_VSCROLL | WS_TABSTOP};
        case ControlKind::List:
            return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                      LVS_SHAREIMAGELISTS | LVS_ALIGNLEFT | WS_BORDER | WS_TABSTOP};
        case ControlKind::CheckList:
            // The value list shows plain items, no report and no header.
            return {WC_LISTVIEWA, LVS_LIST | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                      LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_ALIGNLEFT |
                                      WS_BORDER | WS_TABSTOP};
        case ControlKind::Tree:
            return {WC_TREEVIEWA, TVS_CHECKBOXES | TVS_FULLROWSELECT | TVS_TRACKSELECT |
                                      TVS_NOTOOLTIPS | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP |
                                      WS_BORDER | WS_TABSTOP};
    }
    return {"STATIC", SS_LEFT};
}

const ControlGeometry& GeometryOf(PageId page, int id) {
    for (const ControlGeometry& g : PageGeometry()) {
        if (g.page == page && g.id == id)
            return g;
    }
    throw std::logic_error("no geometry for control " + std::to_string(id));
}

// The pages carry no behaviour of their own here; the owner of the dialogs adds it.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

HWND CreatePage(const PageSpec& layout, const PageFrame& frame, DWORD style,
                const std::string& caption, HWND parent) {
    TemplateWriter writer;
    writer.Dialog(style, static_cast<short>(frame.x), static_cast<short>(frame.y),
                  static_cast<short>(frame.w), static_cast<short>(frame.h),
                  static_cast<WORD>(layout.controls.size()), caption);
    bool previousWasRadio = false;
    for (const ControlSpec& c : layout.controls) {
        const ControlGeometry& g = GeometryOf(layout.page, c.id);
        const ControlClass cls = ClassOf(c.kind, g.combo);
        DWORD style = WS_CHILD | cls.style;
        if (c.visible)
            style |= WS_VISIBLE;
        if (!c.enabled)
            style |= WS_DISABLED;
        // The radio buttons of a page form one group: it starts at the first of them and
        // ends at the next control.
        const bool radio = c.kind == ControlKind::RadioButton;
        if (radio != previousWasRadio || (!radio && c.kind == ControlKind::Static))
            style |= WS_GROUP | (radio ? WS_TABSTOP : 0);
        previousWasRadio = radio;
        writer.Item(style, static_cast<short>(g.x), static_cast<short>(g.y),
                    static_cast<short>(g.w), static_cast<short>(g.h), c.id, cls.name, c.text);
    }
    HWND window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), writer.Get(), parent,
                                             PlainDialogProc, 0);
    if (!window) {
        throw std::runtime_error("cannot create dialog " +
                                 std::to_string(static_cast<int>(layout.page)) + ": error " +
                                 std::to_string(GetLastError()));
    }
    for (const ControlSpec& c : layout.controls) {
        if (c.kind != ControlKind::List && c.kind != ControlKind::CheckList)
            continue;
        HWND list = GetDlgItem(window, c.id);
        const DWORD ex = c.kind == ControlKind::CheckList ? kCheckListExStyle : kListExStyle;
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
        SendMessageA(list, LVM_SETBKCOLOR, 0, kListBackground);
    }
    return window;
}

}  // namespace

PageDialogs::PageDialogs(HWND owner) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);

    const std::vector<PageSpec>& layouts = PageLayouts();
    const std::vector<PageFrame>& frames = PageFrames();
    // The main dialog first, as the pages' parent.
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (layouts[i].page == PageId::MainDialog) {
            main_ = CreatePage(layouts[i], frames[i],
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                   WS_CLIPCHILDREN | DS_SETFONT | DS_CENTER,
                               kMainCaption, owner);
        }
    }
    if (!main_)
        throw std::logic_error("the layouts declare no main dialog");
    try {
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            if (layouts[i].page != PageId::MainDialog) {
                pages_[layouts[i].page] =
                    CreatePage(layouts[i], frames[i], WS_CHILD | DS_SETFONT, "", main_);
            }
        }
    } catch (...) {
        DestroyWindow(main_);
        throw;
    }
}

PageDialogs::~PageDialogs() {
    DestroyWindow(main_);
}

}  // namespace tallowick
