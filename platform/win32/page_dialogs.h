// The page dialogs and the main dialog that holds them, created from the dialog resources
// of page_dialogs.rc, whose controls carry the same ids, kinds, texts, rectangles and
// visibility as the page layouts of the in-memory pages.
//
// The resources must be in the executable itself: a static library's resources are not
// linked in, so every executable that uses PageDialogs or CreatePageDialog lists
// page_dialogs.rc among its own sources.
#pragma once

#include <cstdint>
#include <map>

#include "platform/pages.h"

struct HWND__;  // HWND, without <windows.h> in this header

namespace tallowick {

// A dialog procedure, as DLGPROC declares it.
using PageDialogProc = std::intptr_t(__stdcall*)(HWND__* window, unsigned int message,
                                                 std::uintptr_t wParam, std::intptr_t lParam);

// Creates the dialog of `page` from its resource (CreateDialogParamA) as a child of
// `parent`, or the main dialog as a popup owned by it, with `proc` and `param` for
// WM_INITDIALOG, then gives its list views the extended styles and background a template
// cannot carry, and its tree view its check boxes, drive image (icon 179) and item height. The list
// and tree view classes must be registered first (InitCommonControlsEx). Null when the dialog
// cannot be created. The caller owns the window.
HWND__* CreatePageDialog(PageId page, HWND__* parent, PageDialogProc proc, std::intptr_t param);

// The main dialog and every page inside it, with no behaviour of their own: for tests, and
// for whatever only needs the controls.
class PageDialogs {
  public:
    // Which pages the constructor makes: every one, or none for AddPage to make later.
    enum class Made { AllPages, MainOnly };

    // Registers the common controls, then creates from their resources the main dialog (a
    // hidden popup owned by `owner`, which may be null, although its resource shows it) and
    // every page of PageLayouts() inside it, or none: hidden, controls as their resources
    // give them, list views with their extended styles set. Throws std::runtime_error when a
    // dialog cannot be created, its resource missing included.
    explicit PageDialogs(HWND__* owner = nullptr, Made made = Made::AllPages);
    // Destroys the main dialog, and its pages with it.
    ~PageDialogs();
    PageDialogs(const PageDialogs&) = delete;
    PageDialogs& operator=(const PageDialogs&) = delete;

    // Makes one more page inside the main dialog as the constructor makes each; throws as it
    // does. The page must not be made yet.
    HWND__* AddPage(PageId page);

    // Owned by this object; valid until it is destroyed.
    HWND__* Main() const { return main_; }
    const std::map<PageId, HWND__*>& Pages() const { return pages_; }

  private:
    HWND__* main_ = nullptr;
    std::map<PageId, HWND__*> pages_;
};

}  // namespace tallowick
