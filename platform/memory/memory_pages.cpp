#include "platform/memory/memory_pages.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/page_layouts.h"

namespace tallowick {

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
            return "static";
        case ControlKind::CheckBox:
            return "checkbox";
        case ControlKind::RadioButton:
            return "radio";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Combo:
            return "combo";
        case ControlKind::ColourCombo:
            return "colourcombo";
        case ControlKind::List:
            return "list";
        case ControlKind::CheckList:
            return "checklist";
        case ControlKind::Tree:
            return "tree";
    }
    return "control";
}

std::string Where(PageId page, int id) {
    return std::string(PageName(page)) + " (" + std::to_string(static_cast<int>(page)) +
           ") control " + std::to_string(id);
}

// Control characters would break the one-line-per-control layout of Describe.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The order a sorted combo keeps, as lstrcmpiA gives it for plain names: case is ignored,
// and so are hyphens and apostrophes ("ab" before "a-c"), except to break a tie.
std::string SortKey(const std::string& text, bool wordSort) {
    std::string key;
    for (char c : text) {
        if (wordSort && (c == '-' || c == '\''))
            continue;
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

bool LessNoCase(const std::string& a, const std::string& b) {
    const std::string wordA = SortKey(a, true);
    const std::string wordB = SortKey(b, true);
    if (wordA != wordB)
        return wordA < wordB;
    return SortKey(a, false) < SortKey(b, false);
}

template <typename T>
bool InRange(const std::vector<T>& items, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < items.size();
}

// The kinds each group of operations applies to.
const std::initializer_list<ControlKind> kCombos{ControlKind::Combo, ControlKind::ColourCombo};
const std::initializer_list<ControlKind> kLists{ControlKind::List, ControlKind::CheckList};
const std::initializer_list<ControlKind> kTrees{ControlKind::Tree};

constexpr std::size_t kComboItemsShownWhole = 20;
constexpr std::size_t kComboItemsShownEachEnd = 5;

}  // namespace

MemoryPages::MemoryPages(const std::vector<PageSpec>& layouts, Creation creation) {
    for (const PageSpec& layout : layouts) {
        auto [it, added] = pages_.try_emplace(layout.page);
        if (!added) {
            throw std::logic_error(std::string("page declared twice: ") + PageName(layout.page));
        }
        Page& page = it->second;
        page.visible = layout.page == PageId::MainDialog;
        page.exists = creation == Creation::AllAtOnce || layout.page == PageId::MainDialog;
        for (const ControlSpec& c : layout.controls) {
            Control control;
            control.declared = c;
            control.visible = c.visible;
            control.enabled = c.enabled;
            // A drop-down list shows its selection, never a template caption.
            if (c.kind != ControlKind::ColourCombo)
                control.text = c.text;
            if (!page.controls.emplace(c.id, std::move(control)).second) {
                throw std::logic_error("control declared twice: " + Where(layout.page, c.id));
            }
        }
    }
}

void MemoryPages::OnPageCreated(std::function<void(PageId)> created) {
    created_ = std::move(created);
    if (!created_)
        return;
    for (const auto& [id, page] : pages_) {
        if (id != PageId::MainDialog && page.exists)
            created_(id);
    }
}

const MemoryPages::Page& MemoryPages::FindPage(PageId page) const {
    auto it = pages_.find(page);
    if (it == pages_.end()) {
        throw std::logic_error("undeclared page " + std::to_string(static_cast<int>(page)));
    }
    if (!it->second.exists) {
        it->second.exists = true;
        if (created_)
            created_(page);
    }
    return it->second;
}

bool MemoryPages::PageExists(PageId page) const {
    auto it = pages_.find(page);
    return it != pages_.end() && it->second.exists;
}

MemoryPages::Page& MemoryPages::FindPage(PageId page) {
    return const_cast<Page&>(std::as_const(*this).FindPage(page));
}

const MemoryPages::Control& MemoryPages::Find(PageId page, int id) const {
    const Page& p = FindPage(page);
    auto it = p.controls.find(id);
    if (it == p.controls.end())
        throw std::logic_error("undeclared " + Where(page, id));
    return it->second;
}

MemoryPages::Control& MemoryPages::Find(PageId page, int id) {
    return const_cast<Control&>(std::as_const(*this).Find(page, id));
}

const MemoryPages::Control& MemoryPages::Expect(PageId page, int id,
                                                std::initializer_list<ControlKind> kinds,
                                                const char* operation) const {
    const Control& control = Find(page, id);
    if (std::find(kinds.begin(), kinds.end(), control.declared.kind) == kinds.end()) {
        throw std::logic_error(std::string(operation) + " on " + KindName(control.declared.kind) +
                               " " + Where(page, id));
    }
    return control;
}

MemoryPages::Control& MemoryPages::Expect(PageId page, int id,
                                          std::initializer_list<ControlKind> kinds,
                                          const char* operation) {
    return const_cast<Control&>(std::as_const(*this).Expect(page, id, kinds, operation));
}

bool MemoryPages::Reachable(PageId page, const Control& control) const {
    return FindPage(page).visible && control.visible && control.enabled;
}

// --- Windows ---

void MemoryPages::ShowPage(PageId page, bool show) {
    if (page == PageId::MainDialog)
        throw std::logic_error("the main dialog is no page");
    FindPage(page).visible = show;
}

bool MemoryPages::IsPageVisible(PageId page) const {
    return FindPage(page).visible;
}

void MemoryPages::ShowControl(PageId page, int id, bool show) {
    Find(page, id).visible = show;
}

bool MemoryPages::IsControlVisible(PageId page, int id) const {
    return Find(page, id).visible;
}

void MemoryPages::EnableControl(PageId page, int id, bool enable) {
    Find(page, id).enabled = enable;
}

bool MemoryPages::IsControlEnabled(PageId page, int id) const {
    return Find(page, id).enabled;
}

void MemoryPages::SetText(PageId page, int id, const std::string& text) {
    using K = ControlKind;
    Expect(page, id, {K::Static, K::CheckBox, K::RadioButton, K::PushButton, K::Edit, K::Combo},
           "SetText")
        .text = text;
}

std::string MemoryPages::GetText(PageId page, int id) const {
    using K = ControlKind;
    const Control& c = Expect(
        page, id,
        {K::Static, K::CheckBox, K::RadioButton, K::PushButton, K::Edit, K::Combo, K::ColourCombo},
        "GetText");
    if (c.declared.kind == K::ColourCombo)
        return InRange(c.items, c.selection) ? c.items[c.selection].text : "";
    return c.text;
}

void MemoryPages::SetCheck(PageId page, int id, bool checked) {
    Expect(page, id, {ControlKind::CheckBox, ControlKind::RadioButton}, "SetCheck").checked =
        checked;
}

bool MemoryPages::IsChecked(PageId page, int id) const {
    return Expect(page, id, {ControlKind::CheckBox, ControlKind::RadioButton}, "IsChecked").checked;
}

// --- Combo boxes ---

void MemoryPages::ComboReset(PageId page, int id) {
    Control& c = Expect(page, id, kCombos, "ComboReset");
    c.items.clear();
    c.selection = -1;
    c.text.clear();
}

int MemoryPages::ComboAddString(PageId page, int id, const std::string& text) {
    Control& c = Expect(page, id, kCombos, "ComboAddString");
    auto at = c.items.end();
    if (c.declared.kind == ControlKind::ColourCombo) {
        // A name equal to one already there goes in before it, as the list box's search
        // stops at the equal item.
        at = std::find_if(c.items.begin(), c.items.end(),
                          [&](const ComboItem& item) { return !LessNoCase(item.text, text); });
    }
    const int index = static_cast<int>(at - c.items.begin());
    c.items.insert(at, ComboItem{text, 0});
    // The selected item stays selected when an item goes in before it.
    if (c.selection >= index)
        ++c.selection;
    return index;
}

bool MemoryPages::ComboSetItemData(PageId page, int id, int index, std::intptr_t data) {
    Control& c = Expect(page, id, kCombos, "ComboSetItemData");
    if (!InRange(c.items, index))
        return false;
    c.items[index].data = data;
    return true;
}

std::intptr_t MemoryPages::ComboGetItemData(PageId page, int id, int index) const {
    const Control& c = Expect(page, id, kCombos, "ComboGetItemData");
    return InRange(c.items, index) ? c.items[index].data : -1;
}

int MemoryPages::ComboSetCurSel(PageId page, int id, int index) {
    Control& c = Expect(page, id, kCombos, "ComboSetCurSel");
    if (!InRange(c.items, index)) {
        c.selection = -1;
        c.text.clear();
        return -1;
    }
    c.selection = index;
    c.text = c.items[index].text;
    return index;
}

int MemoryPages::ComboGetCurSel(PageId page, int id) const {
    return Expect(page, id, kCombos, "ComboGetCurSel").selection;
}

int MemoryPages::ComboGetCount(PageId page, int id) const {
    return static_cast<int>(Expect(page, id, kCombos, "ComboGetCount").items.size());
}

std::string MemoryPages::ComboGetItemText(PageId page, int id, int index) const {
    const Control& c = Expect(page, id, kCombos, "ComboGetItemText");
    return InRange(c.items, index) ? c.items[index].text : std::string();
}

// --- List views ---

void MemoryPages::ListDeleteAllItems(PageId page, int id) {
    Expect(page, id, kLists, "ListDeleteAllItems").rows.clear();
}

bool MemoryPages::ListDeleteColumn(PageId page, int id, int column) {
    Control& c = Expect(page, id, kLists, "ListDeleteColumn");
    if (!InRange(c.columns, column))
        return false;
    c.columns.erase(c.columns.begin() + column);
    if (column > 0) {
        for (Row& row : c.rows) {
            if (static_cast<std::size_t>(column) < row.cells.size()) {
                row.cells.erase(row.cells.begin() + column);
            }
        }
    }
    return true;
}

int MemoryPages::ListInsertColumn(PageId page, int id, int column, const std::string& text,
                                  int width, ColumnAlign align) {
    Control& c = Expect(page, id, kLists, "ListInsertColumn");
    if (column < 0)
        return -1;
    const int at = std::min(column, static_cast<int>(c.columns.size()));
    c.columns.insert(c.columns.begin() + at, Column{text, width, align});
    // The sub-items from the new column on move one to the right. Cell 0 is the item's own
    // text, which stays even when the column goes in before it.
    const std::size_t from = static_cast<std::size_t>(std::max(at, 1));
    for (Row& row : c.rows) {
        if (from < row.cells.size())
            row.cells.insert(row.cells.begin() + static_cast<std::ptrdiff_t>(from), std::string());
    }
    return at;
}

int MemoryPages::ListInsertItem(PageId page, int id, int row, const std::string& text) {
    Control& c = Expect(page, id, kLists, "ListInsertItem");
    if (row < 0)
        return -1;
    const int at = std::min(row, static_cast<int>(c.rows.size()));
    c.rows.insert(c.rows.begin() + at, Row{{text}, false, false});
    return at;
}

bool MemoryPages::ListSetItemText(PageId page, int id, int row, int column,
                                  const std::string& text) {
    Control& c = Expect(page, id, kLists, "ListSetItemText");
    if (!InRange(c.rows, row) || column < 0)
        return false;
    if (column > 0 && !InRange(c.columns, column))
        return false;
    std::vector<std::string>& cells = c.rows[row].cells;
    if (cells.size() <= static_cast<std::size_t>(column))
        cells.resize(column + 1);
    cells[column] = text;
    return true;
}

std::string MemoryPages::ListGetItemText(PageId page, int id, int row, int column) const {
    const Control& c = Expect(page, id, kLists, "ListGetItemText");
    if (!InRange(c.rows, row))
        return {};
    const std::vector<std::string>& cells = c.rows[row].cells;
    return InRange(cells, column) ? cells[column] : std::string();
}

int MemoryPages::ListGetItemCount(PageId page, int id) const {
    return static_cast<int>(Expect(page, id, kLists, "ListGetItemCount").rows.size());
}

bool MemoryPages::ListSetCheckState(PageId page, int id, int row, bool checked) {
    Control& c = Expect(page, id, {ControlKind::CheckList}, "ListSetCheckState");
    if (row == -1) {
        for (Row& r : c.rows)
            r.checked = checked;
        return true;
    }
    if (!InRange(c.rows, row))
        return false;
    c.rows[row].checked = checked;
    return true;
}

bool MemoryPages::ListGetCheckState(PageId page, int id, int row) const {
    const Control& c = Expect(page, id, {ControlKind::CheckList}, "ListGetCheckState");
    return InRange(c.rows, row) && c.rows[row].checked;
}

int MemoryPages::ListGetSelected(PageId page, int id) const {
    const Control& c = Expect(page, id, kLists, "ListGetSelected");
    auto it = std::find_if(c.rows.begin(), c.rows.end(), [](const Row& r) { return r.selected; });
    return it == c.rows.end() ? -1 : static_cast<int>(it - c.rows.begin());
}

bool MemoryPages::ListSetSelected(PageId page, int id, int row) {
    Control& c = Expect(page, id, kLists, "ListSetSelected");
    if (row != -1 && !InRange(c.rows, row))
        return false;
    for (Row& r : c.rows)
        r.selected = false;
    if (row != -1)
        c.rows[row].selected = true;
    return true;
}

// --- Tree view ---

void MemoryPages::TreeDeleteAllItems(PageId page, int id) {
    Expect(page, id, kTrees, "TreeDeleteAllItems").treeItems.clear();
}

int MemoryPages::TreeInsertItem(PageId page, int id, const std::string& text) {
    Control& c = Expect(page, id, kTrees, "TreeInsertItem");
    c.treeItems.push_back(TreeItem{text, false});
    return static_cast<int>(c.treeItems.size()) - 1;
}

int MemoryPages::TreeGetCount(PageId page, int id) const {
    return static_cast<int>(Expect(page, id, kTrees, "TreeGetCount").treeItems.size());
}

std::string MemoryPages::TreeGetItemText(PageId page, int id, int item) const {
    const Control& c = Expect(page, id, kTrees, "TreeGetItemText");
    return InRange(c.treeItems, item) ? c.treeItems[item].text : std::string();
}

bool MemoryPages::TreeSetCheckState(PageId page, int id, int item, bool checked) {
    Control& c = Expect(page, id, kTrees, "TreeSetCheckState");
    if (!InRange(c.treeItems, item))
        return false;
    c.treeItems[item].checked = checked;
    return true;
}

bool MemoryPages::TreeGetCheckState(PageId page, int id, int item) const {
    const Control& c = Expect(page, id, kTrees, "TreeGetCheckState");
    return InRange(c.treeItems, item) && c.treeItems[item].checked;
}

// --- The user's side ---

void MemoryPages::OnClick(ClickListener listener) {
    listener_ = std::move(listener);
}

bool MemoryPages::Click(PageId page, int id) {
    Control& c =
        Expect(page, id, {ControlKind::CheckBox, ControlKind::RadioButton, ControlKind::PushButton},
               "Click");
    if (!Reachable(page, c))
        return false;
    if (c.declared.kind == ControlKind::CheckBox) {
        c.checked = !c.checked;
    } else if (c.declared.kind == ControlKind::RadioButton) {
        for (auto& [otherId, other] : FindPage(page).controls) {
            if (other.declared.kind == ControlKind::RadioButton)
                other.checked = otherId == id;
        }
    }
    if (listener_)
        listener_(page, id);
    return true;
}

std::string MemoryPages::Describe() const {
    std::string out;
    for (const auto& [pageId, page] : pages_) {
        if (!page.visible)
            continue;
        out +=
            std::string(PageName(pageId)) + " (" + std::to_string(static_cast<int>(pageId)) + ")\n";
        for (const auto& [id, c] : page.controls) {
            if (!c.visible)
                continue;
            const ControlKind kind = c.declared.kind;
            std::string line = "  " + std::to_string(id) + " " + KindName(kind);
            switch (kind) {
                case ControlKind::CheckBox:
                    line += c.checked ? " [x] " : " [ ] ";
                    line += Quoted(c.text);
                    break;
                case ControlKind::RadioButton:
                    line += c.checked ? " (o) " : " ( ) ";
                    line += Quoted(c.text);
                    break;
                case ControlKind::Combo:
                case ControlKind::ColourCombo: {
                    line += " " + Quoted(GetText(pageId, id)) + " sel " +
                            (c.selection < 0 ? std::string("-") : std::to_string(c.selection)) +
                            " of " + std::to_string(c.items.size());
                    const std::size_t n = c.items.size();
                    const bool elide = n > kComboItemsShownWhole;
                    for (std::size_t i = 0; i < n; ++i) {
                        if (elide && i >= kComboItemsShownEachEnd &&
                            i < n - kComboItemsShownEachEnd) {
                            if (i == kComboItemsShownEachEnd)
                                line += ", ...";
                            continue;
                        }
                        line += (i == 0 ? ": " : ", ") + Quoted(c.items[i].text);
                    }
                    break;
                }
                case ControlKind::List:
                case ControlKind::CheckList:
                    for (std::size_t i = 0; i < c.columns.size(); ++i) {
                        const Column& col = c.columns[i];
                        line += (i == 0 ? " columns " : ", ") + Quoted(col.text) + " " +
                                std::to_string(col.width);
                        if (col.align == ColumnAlign::Right)
                            line += " right";
                        if (col.align == ColumnAlign::Center)
                            line += " center";
                    }
                    break;
                case ControlKind::Tree:
                    break;
                default:
                    line += " " + Quoted(c.text);
                    break;
            }
            if (!c.enabled)
                line += " disabled";
            out += line + "\n";

            // Rows: in a report list one cell per column, otherwise only the item's text.
            const std::size_t cells = std::max<std::size_t>(c.columns.size(), 1);
            for (std::size_t r = 0; r < c.rows.size(); ++r) {
                const Row& row = c.rows[r];
                std::string rowLine = "    " + std::to_string(r);
                if (kind == ControlKind::CheckList)
                    rowLine += row.checked ? " [x]" : " [ ]";
                for (std::size_t i = 0; i < cells; ++i) {
                    rowLine += (i == 0 ? " " : " | ") +
                               Quoted(i < row.cells.size() ? row.cells[i] : std::string());
                }
                if (row.selected)
                    rowLine += " selected";
                out += rowLine + "\n";
            }
            for (std::size_t t = 0; t < c.treeItems.size(); ++t) {
                const TreeItem& item = c.treeItems[t];
                out += "    " + std::to_string(t) + (item.checked ? " [x] " : " [ ] ") +
                       Quoted(item.text) + "\n";
            }
        }
    }
    return out;
}

}  // namespace tallowick
