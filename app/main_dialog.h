// The main window: the tree on the left, the page dialogs on the right, the splitter
// between them and "Apply Changes". It owns everything the window shows and runs the only
// message loop of the program.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/skin_engine.h"
#include "app/splash.h"
#include "app/splitter_bar.h"
#include "app/tree_list.h"
#include "platform/pages.h"
#include "platform/win32/win32_pages.h"
#include "shell/app_core.h"

namespace tallowick {

class Host;
class Registry;

class MainDialog {
  public:
    // Borrows the seams for the dialog's life.
    MainDialog(Registry& registry, Host& host);
    ~MainDialog();
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Opens the window and runs its message loop until the window is closed.
    void Run();

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandlePage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL OnInitDialog();
    bool SkinFailed();
    void AddAboutToSystemMenu();
    void CenterOnScreen();
    void LoadTreeImages();
    void CreateSplitter();
    void SetUpTree();
    void BuildTree();
    // Makes a page when it is first needed; null when its dialog cannot be created.
    HWND CreatePage(PageId id);
    bool SkinPage(HWND page, PageId id);
    // Moves a page and its controls as a drag of the splitter by `delta` pixels does.
    static void MovePage(HWND page, int delta);
    // The keyboard and mouse filter; true when the message is used up.
    bool PreTranslate(MSG& message);
    void OnSelect();
    // Preview, undo and search: the controls beside Apply and above the tree.
    void CreateChangeControls();
    // Preview and Undo are shown with Apply; Undo is enabled while it has something to undo.
    void SyncChangeButtons();
    void OnSearchChanged();
    // Goes to the next match of the search text after the selected node, wrapping.
    void SearchNext();
    void SelectNode(std::size_t index);
    void OnSplitterMoved(int delta);
    void ShowHelp();
    // Runs a core event; a fault in it is reported instead of ending the program.
    template <typename Event>
    void Guarded(Event event);

    Win32Pages pages_;
    AppCore core_;
    HWND window_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    SkinEngine skin_;
    SplashScreen splash_;
    SplitterBar splitter_;
    TreeList tree_;
    std::map<PageId, HWND> pageWindows_;  // the pages made so far
    std::vector<int> splitterMoves_;      // every drag so far, for pages made later
    std::vector<HTREEITEM> treeItems_;    // by index into TreeNodes()
    HWND search_ = nullptr;
    bool searchMissed_ = false;  // the box is coloured while its text matches no node
    HBRUSH missBrush_ = nullptr;
    HWND focus_ = nullptr;  // the control to give the focus back to on activation
    bool closed_ = false;
};

}  // namespace tallowick
