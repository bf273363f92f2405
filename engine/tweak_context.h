// What a tweak's handlers work with, and the table the categories register them in.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "model/tweak_catalogue.h"
#include "platform/pages.h"

namespace tallowick {

class Registry;
class Host;
class DateStore;
class Language;
struct Declared;

// Everything a ShowHandler or ApplyHandler may use. All references are borrowed from
// the application core and valid for the duration of one handler call.
struct TweakContext {
    Registry& registry;
    Host& host;
    Pages& pages;
    const TweakCatalogue& catalogue;
    DateStore& dates;
    Language& language;
    TweakId current;                // the node selected last
    std::uintptr_t mainWindow = 0;  // owner for pickers; 0 in tests

    const TweakRecord& Record(TweakId id) const { return catalogue[id]; }
    // Records today's date for the current node.
    void RecordDate();
};

using ShowHandler = std::function<void(TweakContext&, TweakId)>;
using ApplyHandler = std::function<void(TweakContext&)>;

// What the page's browse buttons pick for a tweak.
enum class BrowseKind {
    File,      // any file, put into the edit in double quotes
    IconFile,  // an .ico file, in double quotes
    Folder,    // a folder, without quotes
};

// A checkbox that enables other controls of its page while it is ticked, and disables
// them while it is clear.
struct Enables {
    PageId page = PageId::MultiCheckPage;
    int box = 0;
    std::vector<int> controls;
};

struct TweakHandlers {
    ShowHandler show;
    ApplyHandler apply;  // empty for nodes that cannot be applied
    BrowseKind browse = BrowseKind::File;
    std::optional<Enables> enables;
    // The declaration the handlers come from; null for handwritten ones.
    std::shared_ptr<const Declared> declared;
};

// The behaviour a page carries itself instead of taking it from the node shown (the drive
// page): its one-time fill when its window is made, and the clicks on its buttons.
using PageSetUp = std::function<void(TweakContext&)>;
using PageButton = std::function<void(TweakContext&, int id)>;
struct PageHandlers {
    PageSetUp setUp;
    PageButton button;
};

// The handler table that the categories fill in, one category at a time.
class HandlerTable {
  public:
    // A page registered twice is std::logic_error, as a node is.
    void RegisterPage(PageId page, PageHandlers handlers);
    const PageHandlers* FindPage(PageId page) const {
        auto it = pages_.find(page);
        return it == pages_.end() ? nullptr : &it->second;
    }

    // Registers the handlers of one node. A node registered twice is a mistake in the
    // declarations: std::logic_error, at start-up.
    void Register(TweakId id, TweakHandlers handlers);
    void Register(TweakId id, ShowHandler show, ApplyHandler apply = {}) {
        Register(id, TweakHandlers{std::move(show), std::move(apply), BrowseKind::File, {}, {}});
    }
    const TweakHandlers* Find(TweakId id) const {
        auto it = table_.find(id);
        return it == table_.end() ? nullptr : &it->second;
    }
    std::size_t size() const { return table_.size(); }
    const std::map<TweakId, TweakHandlers>& All() const { return table_; }

  private:
    std::map<TweakId, TweakHandlers> table_;
    std::map<PageId, PageHandlers> pages_;
};

// How the caller fills the table: the program and the tests pass the categories' own
// registration, so the application core never names a category.
using RegisterHandlers = std::function<void(HandlerTable&)>;

}  // namespace tallowick
