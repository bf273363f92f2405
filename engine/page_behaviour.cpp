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

std::string Quoted(const std::optional<std::string>& path) {
    return path ? "\"" + *path + "\"" : std::string();
}

}  // namespace

void InitialisePage(Pages& pages, PageId page) {
    if (page == PageId::ComboCheckPage)
        FillColorCombo(pages, PageId::ComboCheckPage, ctl::ColourCombo);
    if (page != PageId::CheckComboPage)
        return;
    pages.ComboReset(PageId::CheckComboPage, ctl::Combo1);
    std::vector<std::string> numbers;
    for (int n = 0; n <= kLargestComboNumber; ++n)
        numbers.push_back(std::to_string(n));
    pages.ComboAddStrings(PageId::CheckComboPage, ctl::Combo1, numbers);
}

void InitialisePages(Pages& pages) {
    InitialisePage(pages, PageId::ComboCheckPage);
    InitialisePage(pages, PageId::CheckComboPage);
}

void ResetPages(Pages& pages) {
    pages.ShowPage(PageId::ListPage, false);
    HideAll(pages, PageId::ListPage, {ctl::List, ctl::MainCheck});

    pages.ShowPage(PageId::MultiCheckPage, false);
    HideAll(pages, PageId::MultiCheckPage,
            {ctl::MainCheck, ctl::SecondCheck, ctl::Check3, ctl::Check4, ctl::Check5, ctl::Check6,
             ctl::Check7, ctl::Check8, ctl::Check9, ctl::Check10, ctl::Note});

    pages.ShowPage(PageId::PathEditPage, false);
    HideAll(pages, PageId::PathEditPage,
            {ctl::MainCheck, ctl::Label1, ctl::Edit1, ctl::Browse1, ctl::Label2, ctl::Edit2,
             ctl::Browse2, ctl::Label3, ctl::Edit3, ctl::Browse3, ctl::SecondCheck, ctl::Note});
    // A checkbox that switches these may have left them disabled.
    for (int id : {ctl::Edit1, ctl::Edit2, ctl::Browse1})
        pages.EnableControl(PageId::PathEditPage, id, true);

    pages.ShowPage(PageId::ComboCheckPage, false);
    HideAll(pages, PageId::ComboCheckPage,
            {ctl::Label1, ctl::Label2, ctl::MainCheck, ctl::Combo1, ctl::Combo2, ctl::ColourCombo,
             ctl::Note});
    pages.EnableControl(PageId::ComboCheckPage, ctl::Combo1, true);

    pages.ShowPage(PageId::ValueListPage, false);
    pages.ShowControl(PageId::ValueListPage, ctl::ValueList, false);

    // These pages show every control whenever they are shown, except the two alternatives
    // of EditComboPage's first row.
    pages.ShowPage(PageId::SixPathPage, false);
    pages.ShowPage(PageId::SixComboPage, false);
    pages.ShowPage(PageId::EditComboPage, false);
    HideAll(pages, PageId::EditComboPage, {ctl::Edit1, ctl::Combo4});

    pages.ShowPage(PageId::CheckComboPage, false);
    pages.ShowPage(PageId::DriveHidePage, false);

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
