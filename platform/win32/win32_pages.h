// The pages seam over real dialog controls: each operation sends the one message it names.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/pages.h"

struct HWND__;  // HWND, without <windows.h> in this header

namespace tallowick {

class Win32Pages final : public Pages {
  public:
    // Borrows every page dialog by id and the main dialog (for "Apply Changes"); they must
    // outlive this object. Controls are found by GetDlgItem on first use and kept: an
    // unknown page or a missing control throws std::logic_error.
    Win32Pages(std::map<PageId, HWND__*> pages, HWND__* mainDialog);
    // No windows yet: the program creates its main dialog after the core that uses this
    // object exists, and hands it over with SetWindows before any page is used.
    Win32Pages() = default;
    // The pages given here count as made now: the observer of OnPageCreated hears of each
    // window it has not heard of yet.
    void SetWindows(std::map<PageId, HWND__*> pages, HWND__* mainDialog);
    // Makes the window of a page SetWindows did not give, the first time the page is needed.
    // It returns the new window, borrowed like the others, or null when it cannot make one;
    // the operation that needed the page then throws std::runtime_error.
    using PageFactory = std::function<HWND__*(PageId page)>;
    void SetPageFactory(PageFactory factory);

    bool PageExists(PageId page) const override;
    void OnPageCreated(std::function<void(PageId)> created) override;

    void ShowPage(PageId page, bool show) override;
    bool IsPageVisible(PageId page) const override;
    void ShowControl(PageId page, int id, bool show) override;
    bool IsControlVisible(PageId page, int id) const override;
    void EnableControl(PageId page, int id, bool enable) override;
    bool IsControlEnabled(PageId page, int id) const override;
    void SetText(PageId page, int id, const std::string& text) override;
    std::string GetText(PageId page, int id) const override;
    void SetCheck(PageId page, int id, bool checked) override;
    bool IsChecked(PageId page, int id) const override;

    void ComboReset(PageId page, int id) override;
    int ComboAddString(PageId page, int id, const std::string& text) override;
    void ComboAddStrings(PageId page, int id, const std::vector<std::string>& texts) override;
    bool ComboSetItemData(PageId page, int id, int index, std::intptr_t data) override;
    std::intptr_t ComboGetItemData(PageId page, int id, int index) const override;
    int ComboSetCurSel(PageId page, int id, int index) override;
    int ComboGetCurSel(PageId page, int id) const override;
    int ComboGetCount(PageId page, int id) const override;
    std::string ComboGetItemText(PageId page, int id, int index) const override;

    void ListDeleteAllItems(PageId page, int id) override;
    bool ListDeleteColumn(PageId page, int id, int column) override;
    int ListInsertColumn(PageId page, int id, int column, const std::string& text, int width,
                         ColumnAlign align) override;
    int ListInsertItem(PageId page, int id, int row, const std::string& text) override;
    bool ListSetItemText(PageId page, int id, int row, int column,
                         const std::string& text) override;
    std::string ListGetItemText(PageId page, int id, int row, int column) const override;
    int ListGetItemCount(PageId page, int id) const override;
    bool ListSetCheckState(PageId page, int id, int row, bool checked) override;
    bool ListGetCheckState(PageId page, int id, int row) const override;
    int ListGetSelected(PageId page, int id) const override;
    bool ListSetSelected(PageId page, int id, int row) override;

    void TreeDeleteAllItems(PageId page, int id) override;
    int TreeInsertItem(PageId page, int id, const std::string& text) override;
    int TreeGetCount(PageId page, int id) const override;
    std::string TreeGetItemText(PageId page, int id, int item) const override;
    bool TreeSetCheckState(PageId page, int id, int item, bool checked) override;
    bool TreeGetCheckState(PageId page, int id, int item) const override;

  private:
    // The page's window, made first if need be.
    HWND__* Window(PageId page) const;
    HWND__* Control(PageId page, int id) const;
    void AnnounceNewPages();
    void Announce(PageId page, HWND__* window) const;

    // Grows when a page is first needed, whatever the operation.
    mutable std::map<PageId, HWND__*> pages_;
    HWND__* main_ = nullptr;
    PageFactory factory_;
    // Controls by page and id: they live as long as their pages, and looking a control up
    // by id asks the window system each time, which a fill of thousands of items notices.
    mutable std::map<std::pair<PageId, int>, HWND__*> controls_;
    std::function<void(PageId)> created_;
    mutable std::set<HWND__*> announced_;
};

}  // namespace tallowick
