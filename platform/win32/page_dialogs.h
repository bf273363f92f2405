// The page dialogs and the main dialog that holds them, built from the page layouts as
// in-memory dialog templates, so the real controls carry the same ids, kinds, texts,
// rectangles and visibility as the in-memory pages.
#pragma once

#include <map>

#include "platform/pages.h"

struct HWND__;  // HWND, without <windows.h> in this header

namespace tallowick {

class PageDialogs {
  public:
    // Registers the common controls, then creates the main dialog (a hidden popup owned by
    // `owner`, which may be null) and every page of PageLayouts() inside it: hidden,
    // controls as their layout says, list views with their extended styles set. Throws
    // std::runtime_error when a dialog cannot be created.
    explicit PageDialogs(HWND__* owner = nullptr);
    // Destroys the main dialog, and its pages with it.
    ~PageDialogs();
    PageDialogs(const PageDialogs&) = delete;
    PageDialogs& operator=(const PageDialogs&) = delete;

    // Owned by this object; valid until it is destroyed.
    HWND__* Main() const { return main_; }
    const std::map<PageId, HWND__*>& Pages() const { return pages_; }

  private:
    HWND__* main_ = nullptr;
    std::map<PageId, HWND__*> pages_;
};

}  // namespace tallowick
