// The program's logic without its windows: what the application object and the main
// window own, the start-up steps that touch no window, and the two events that drive
// everything (a tree selection and the "Apply Changes" click). The Windows program
// drives this object; tests drive it directly.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/tweak_context.h"
#include "model/date_store.h"
#include "model/language.h"
#include "model/tweak_catalogue.h"
#include "platform/pages.h"
#include "shell/change_journal.h"
#include "shell/tree_search.h"

namespace tallowick {

class Host;
class Registry;

// One item of the navigation tree as the window inserts it.
struct TreeItem {
    int parent;  // index into the same list, -1 at the root
    std::string label;
    std::uint32_t data;  // the TweakId field of the node's record
    bool bold;           // categories and groups
    std::uint32_t image;
};

class AppCore {
  public:
    // Borrows the three seams; they must outlive the core. `mainWindow` owns the pickers
    // (0 in tests).
    AppCore(Registry& registry, Host& host, Pages& pages, std::uintptr_t mainWindow = 0);
    // The window that owns the pickers, once it exists.
    void SetMainWindow(std::uintptr_t mainWindow) { mainWindow_ = mainWindow; }

    // Start-up before the tree exists: language name, catalogue and its translation,
    // the modification-date store.
    void LoadData();
    // Start-up once the tree exists: the group lists' handlers and the tweaks' (from
    // `registerHandlers`), each page's one-time initialisation (now for the pages that
    // exist, and for any other as its window is made), a page reset and the page of
    // "Accessories" (nothing selected yet). Throws std::logic_error when a node is
    // registered twice.
    void OpenPages(const RegisterHandlers& registerHandlers);

    // The tree's selection changed; `itemData` is the data of the selected item, or
    // nullopt when nothing is selected.
    void OnSelect(std::optional<std::uint32_t> itemData);
    // "Apply Changes" was clicked.
    void OnApply();
    // A button on a page was clicked (browse buttons, the main checkboxes, a page's own
    // buttons; writes of the latter are reported as Apply's are).
    void OnPageButton(PageId page, int id);

    // "Preview Changes...": runs the current node's Apply against an overlay of the
    // registry and the files and says what it would change, one line each, and the
    // messages it would show. Nothing real changes and no date is recorded.
    struct PreviewResult {
        std::vector<std::string> changes;
        std::vector<std::string> messages;
    };
    PreviewResult OnPreview();
    // True when the current node has a journal entry to undo.
    bool CanUndo() const;
    // "Undo Last Change": puts back the current node's newest entry. False when there was
    // none, or a step failed (the user has been told which).
    bool OnUndoLast();
    // "Undo" in the change history: puts back entry `index` of Journal().Entries(), records
    // the date of its node, journals the undo and shows the current page again.
    bool UndoEntry(std::size_t index);
    // "Export...": the state after the given entries (all when empty), as a .reg file at
    // `path`. False, after an alert and with no file left, when it cannot be written.
    bool ExportEntries(const std::vector<std::size_t>& indexes, const std::string& path);
    const ChangeJournal& Journal() const { return journal_; }
    // The search over the tree's words, taken from the catalogue once it is loaded.
    const TreeSearch& Search();

    std::vector<TreeItem> TreeItems() const;
    const TweakCatalogue& Catalogue() const { return catalogue_; }
    DateStore& Dates() { return dates_; }
    Language& Lang() { return language_; }
    const std::string& ProgramFolder() const { return programFolder_; }
    // The node selected last; nullopt until the first selection.
    std::optional<TweakId> Current() const { return current_; }
    // The handler table; filled by OpenPages, open to additions after it.
    HandlerTable& Handlers() { return handlers_; }

  private:
    TweakContext Context(Registry& registry, Host& host);
    const TweakHandlers* Applicable() const;
    // Journals the steps of an Apply or an Undo of node `tweak`, if they changed anything.
    void Journal(const std::vector<ChangeStep>& steps, TweakId tweak, bool undo);
    void Alert(int stringId, const std::string& detail);
    void ShowGroupList(TweakId id);
    void ShowNotAvailable(TweakId id);
    // What a page needs once, when its window is made.
    void SetUpPage(PageId page);
    // Runs `write` as one journaled change of `tweak`, reporting the first failed write once.
    void Change(const std::function<void(TweakContext&)>& write, TweakId tweak);

    Registry& registry_;
    Host& host_;
    Pages& pages_;
    std::uintptr_t mainWindow_;
    std::string programFolder_;
    Language language_;
    TweakCatalogue catalogue_;
    DateStore dates_;
    HandlerTable handlers_;
    std::optional<TweakId> current_;
    ChangeJournal journal_;
    bool journalWarned_ = false;  // the user has been told the journal cannot be written
    std::optional<TreeSearch> search_;
};

}  // namespace tallowick
