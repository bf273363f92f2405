#include "engine/page_behaviour.h"

#include <initializer_list>
#include <optional>
#include <vector>

#include "engine/named_colors.h"
#include "platform/host.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

// The browse button of each row and the edit it fills, alike on both path pages.
struct BrowseRow {
    int button;
    int edit;
};
constexpr BrowseRow kBrowseRows[] = {{ctl::Browse1, ctl::Edit1}, {ctl::Browse2, ctl::Edit2},
                                     {ctl::Browse3, ctl::Edit3}, {ctl::Browse4, ctl::Edit4},
                                     {ctl::Browse5, ctl::Edit5}, {ctl::Browse6, ctl::Edit6}};

// OFN_* bits of the browse file picker. One file only: with OFN_ALLOWMULTISELECT a pick
// of two files comes back as the folder and the names separated by zeros, and the edit
// would get the folder as if it were the file.
constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnNoChangeDir = 0x8;
constexpr std::uint32_t kOfnShowHelp = 0x10;
constexpr std::uint32_t kOfnNoValidate = 0x100;
constexpr std::uint32_t kOfnExtensionDifferent = 0x400;
constexpr std::uint32_t kOfnPathMustExist = 0x800;
constexpr std::uint32_t kOfnFileMustExist = 0x1000;
constexpr std::uint32_t kOfnCreatePrompt = 0x2000;
constexpr std::uint32_t kOfnNoReadOnlyReturn = 0x8000;
constexpr std::uint32_t kOfnExplorer = 0x80000;
constexpr std::uint32_t kOfnLongNames = 0x200000;
constexpr std::uint32_t kBrowseFileFlags =
    kOfnHideReadOnly | kOfnNoChangeDir | kOfnShowHelp | kOfnNoValidate | kOfnExtensionDifferent |
    kOfnPathMustExist | kOfnFileMustExist | kOfnCreatePrompt | kOfnNoReadOnlyReturn | kOfnExplorer |
    kOfnLongNames;

// CheckComboPage's combo offers 0 to this, so an item's index is its number.
constexpr int kLargestComboNumber = 10000;

void HideAll(Pages& pages, PageId page, std::initializer_list<int> ids) {
    for (int id : ids)
        pages.ShowControl(page, id, false);
}

// Hides one page and what a handler may have shown on it, and enables again what a handler
// may have disabled.
void ResetPage(Pages& pages, PageId page) {
    pages.ShowPage(page, false);
    switch (page) {
        case PageId::ListPage:
            HideAll(pages, page, {ctl::List, ctl::MainCheck});
            break;
        case PageId::MultiCheckPage:
            HideAll(pages, page,
                    {ctl::MainCheck, ctl::SecondCheck, ctl::Check3, ctl::Check4, ctl::Check5,
                     ctl::Check6, ctl::Check7, ctl::Check8, ctl::Check9, ctl::Check10, ctl::Note});
            break;
        case PageId::PathEditPage:
            HideAll(
                pages, page,
                {ctl::MainCheck, ctl::Label1, ctl::Edit1, ctl::Browse1, ctl::Label2, ctl::Edit2,
                 ctl::Browse2, ctl::Label3, ctl::Edit3, ctl::Browse3, ctl::SecondCheck, ctl::Note});
            // A checkbox that switches these may have left them disabled.
            for (int id : {ctl::Edit1, ctl::Edit2, ctl::Browse1})
                pages.EnableControl(page, id, true);
            break;
        case PageId::ComboCheckPage:
            HideAll(pages, page,
                    {ctl::Label1, ctl::Label2, ctl::MainCheck, ctl::Combo1, ctl::Combo2,
                     ctl::ColourCombo, ctl::Note});
            pages.EnableControl(page, ctl::Combo1, true);
            break;
        case PageId::ValueListPage:
            pages.ShowControl(page, ctl::ValueList, false);
            break;
        case PageId::EditComboPage:
            // Shown whole whenever it is shown, except the two alternatives of its first row;
            // so are SixPathPage and SixComboPage, without alternatives.
            HideAll(pages, page, {ctl::Edit1, ctl::Combo4});
            break;
        default:
            break;
    }
}

std::string Quoted(const std::optional<std::string>& path) {
    return path ? "\"" + *path + "\"" : std::string();
}

}  // namespace

void InitialisePage(Pages& pages, PageId page) {
    ResetPage(pages, page);
    if (page == PageId::ComboCheckPage) {
        FillColorCombo(pages, PageId::ComboCheckPage, ctl::ColourCombo);
    } else if (page == PageId::CheckComboPage) {
        pages.ComboReset(PageId::CheckComboPage, ctl::Combo1);
        std::vector<std::string> numbers;
        for (int n = 0; n <= kLargestComboNumber; ++n)
            numbers.push_back(std::to_string(n));
        pages.ComboAddStrings(PageId::CheckComboPage, ctl::Combo1, numbers);
    }
}

void ResetPages(Pages& pages) {
    for (const PageSpec& layout : PageLayouts()) {
        if (layout.page != PageId::MainDialog && pages.PageExists(layout.page))
            ResetPage(pages, layout.page);
    }
    pages.ShowControl(PageId::MainDialog, kApplyChangesButton, false);
}

void ClearList(Pages& pages, PageId page, int id) {
    pages.ListDeleteAllItems(page, id);
    while (pages.ListDeleteColumn(page, id, 0)) {
    }
}

void ShowDescription(Pages& pages, PageId page, const TweakRecord& record) {
    pages.SetText(page, ctl::Description, record.name + ":\n" + record.description);
}

std::string Browse(Host& host, std::uintptr_t owner, BrowseKind kind) {
    switch (kind) {
        case BrowseKind::Folder:
            return host.BrowseForFolder(owner).value_or(std::string());
        case BrowseKind::IconFile:
            return Quoted(host.OpenFileDialog(owner, "*.ico||", kBrowseFileFlags));
        case BrowseKind::File:
            break;
    }
    return Quoted(host.OpenFileDialog(owner, "All Files(*.*)|*.*||", kBrowseFileFlags));
}

void OnPageButtonClicked(Pages& pages, Host& host, std::uintptr_t owner,
                         const TweakHandlers* current, PageId page, int id) {
    if (page == PageId::PathEditPage || page == PageId::SixPathPage) {
        for (const BrowseRow& row : kBrowseRows) {
            if (row.button == id) {
                pages.SetText(page, row.edit,
                              Browse(host, owner, current ? current->browse : BrowseKind::File));
                return;
            }
        }
    }
    if (current && current->enables && current->enables->page == page &&
        current->enables->box == id) {
        const bool ticked = pages.IsChecked(page, id);
        for (int control : current->enables->controls)
            pages.EnableControl(page, control, ticked);
    }
}

}  // namespace tallowick
