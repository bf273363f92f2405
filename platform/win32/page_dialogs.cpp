#include "platform/win32/page_dialogs.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/page_layouts.h"
#include "platform/win32/subclass.h"

namespace tallowick {

namespace {

// List view extended styles set after creation, as a template cannot carry them:
// full-row select, regional and info tips, plus check boxes for the value list.
constexpr DWORD kListExStyle = LVS_EX_FULLROWSELECT | LVS_EX_REGIONAL | LVS_EX_INFOTIP;
constexpr DWORD kCheckListExStyle = kListExStyle | LVS_EX_CHECKBOXES;
static_assert(kListExStyle == 0x620 && kCheckListExStyle == 0x624);
constexpr COLORREF kListBackground = RGB(249, 250, 251);

// The drive tree's items: one image, icon 179, in a list of 32 x 20 images, 32 pixels a row.
constexpr int kDriveIcon = 179;
constexpr int kDriveImageWidth = 32;
constexpr int kDriveImageHeight = 20;
constexpr int kDriveItemHeight = 32;

// Where a DLGTEMPLATEEX keeps its style: after dlgVer, signature, help id and extended style.
constexpr std::size_t kStyleOffsetInEx = 12;

// The pages carry no behaviour of their own here; the owner of the dialogs adds it.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The tree owns no normal image list of its own: this one goes with the window.
LRESULT ReleaseImages(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* images) {
    const LRESULT result = CallNextSubclass(window, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return result;
    ImageList_Destroy(reinterpret_cast<HIMAGELIST>(images));
    return result;
}

void SetUpTree(HWND tree) {
    // Check boxes come after creation, before any item: a tree made with TVS_CHECKBOXES
    // in its template resets every item's check on its first paint (Windows documents the
    // same), losing the ticks a page sets before it is first shown.
    SetWindowLongA(tree, GWL_STYLE, GetWindowLongA(tree, GWL_STYLE) | TVS_CHECKBOXES);
    HIMAGELIST images =
        ImageList_Create(kDriveImageWidth, kDriveImageHeight, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (HICON icon =
            static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDriveIcon),
                                          IMAGE_ICON, kDriveImageWidth, kDriveImageHeight, 0))) {
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    SendMessageA(tree, TVM_SETITEMHEIGHT, kDriveItemHeight, 0);
    AddSubclass(tree, ReleaseImages, images);
}

// Sets on the list and tree views of `window`, the dialog of `page`, what a template cannot
// carry.
void SetUpControls(HWND window, PageId page) {
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page != page)
            continue;
        for (const ControlSpec& c : layout.controls) {
            if (c.kind == ControlKind::Tree)
                SetUpTree(GetDlgItem(window, c.id));
            if (c.kind != ControlKind::List && c.kind != ControlKind::CheckList)
                continue;
            HWND list = GetDlgItem(window, c.id);
            const DWORD ex = c.kind == ControlKind::CheckList ? kCheckListExStyle : kListExStyle;
            SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
            SendMessageA(list, LVM_SETBKCOLOR, 0, kListBackground);
        }
    }
}

// The main dialog as its resource has it, but hidden: the resource shows it on creation, as
// the program wants, while these dialogs serve tests and stay out of sight. Wine without a
// window manager also waits about two seconds to take a shown window off the screen.
HWND CreateHiddenMain(HWND owner) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(static_cast<int>(PageId::MainDialog)), RT_DIALOG);
    const void* data = found ? LockResource(LoadResource(module, found)) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!data || size < kStyleOffsetInEx + sizeof(DWORD))
        return nullptr;
    // DWORDs keep the copy aligned as a template must be.
    std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(copy.data(), data, size);
    // DIALOGEX gives a DLGTEMPLATEEX (signature 0xFFFF); a plain DLGTEMPLATE starts with
    // its style.
    auto* bytes = reinterpret_cast<BYTE*>(copy.data());
    const bool extended = bytes[2] == 0xFF && bytes[3] == 0xFF;
    DWORD& style = copy[extended ? kStyleOffsetInEx / sizeof(DWORD) : 0];
    style &= ~DWORD{WS_VISIBLE};
    return CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), owner,
                                      PlainDialogProc, 0);
}

HWND CreateOrThrow(PageId page, HWND parent) {
    HWND window = page == PageId::MainDialog ? CreateHiddenMain(parent)
                                             : CreatePageDialog(page, parent, PlainDialogProc, 0);
    if (!window) {
        throw std::runtime_error("cannot create dialog " + std::to_string(static_cast<int>(page)) +
                                 ": error " + std::to_string(GetLastError()));
    }
    return window;
}

}  // namespace

static_assert(std::is_same_v<PageDialogProc, DLGPROC>);

HWND CreatePageDialog(PageId page, HWND parent, PageDialogProc proc, std::intptr_t param) {
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr),
                                     MAKEINTRESOURCEA(static_cast<int>(page)), parent, proc, param);
    if (window) {
        SetUpControls(window, page);
        // Apply Changes lies in the pages' area: a page goes under its parent's own controls
        // and leaves them out of its painting, or it would cover the button.
        SetWindowLongPtrA(window, GWL_STYLE,
                          GetWindowLongPtrA(window, GWL_STYLE) | WS_CLIPSIBLINGS);
        SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return window;
}

PageDialogs::PageDialogs(HWND owner, Made made) {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);

    const std::vector<PageSpec>& layouts = PageLayouts();
    // The main dialog first, as the pages' parent.
    for (const PageSpec& layout : layouts) {
        if (layout.page == PageId::MainDialog)
            main_ = CreateOrThrow(layout.page, owner);
    }
    if (!main_)
        throw std::logic_error("the layouts declare no main dialog");
    try {
        for (const PageSpec& layout : layouts) {
            if (layout.page != PageId::MainDialog && made == Made::AllPages)
                AddPage(layout.page);
        }
    } catch (...) {
        DestroyWindow(main_);
        throw;
    }
}

HWND PageDialogs::AddPage(PageId page) {
    if (pages_.count(page))
        throw std::logic_error("page " + std::to_string(static_cast<int>(page)) + " made twice");
    return pages_[page] = CreateOrThrow(page, main_);
}

PageDialogs::~PageDialogs() {
    DestroyWindow(main_);
}

}  // namespace tallowick
