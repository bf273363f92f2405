// The program's logic without its windows: what the application object and the main
// window own, the start-up steps that touch no window, and the two events that drive
// everything (a tree selection and the "Apply Changes" click). The Windows program
// drives this object; tests drive it directly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/tweak_context.h"
#include "model/date_store.h"
#include "model/language.h"
#include "model/tweak_catalogue.h"
#include "platform/pages.h"

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
    // `registerHandlers`), the pages' one-time initialisation, a page reset and the page
    // of "Accessories" (nothing selected yet). Throws std::logic_error when a node is
    // registered twice.
    void OpenPages(const RegisterHandlers& registerHandlers);

    // The tree's selection changed; `itemData` is the data of the selected item, or
    // nullopt when nothing is selected.
    void OnSelect(std::optional<std::uint32_t> itemData);
    // "Apply Changes" was clicked.
    void OnApply();
    // A button on a page was clicked (browse buttons, the main checkboxes).
    void OnPageButton(PageId page, int id);

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
    TweakContext Context(Registry& registry);
    void ShowGroupList(TweakId id);
    void ShowNotAvailable(TweakId id);

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
};

}  // namespace tallowick
