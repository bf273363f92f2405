// What a tweak's handlers work with, and how a category registers its handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "shell/tweak_catalogue.h"

namespace tallowick {

class Registry;
class Host;
class Pages;
class DateStore;
class Language;

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

struct TweakHandlers {
    ShowHandler show;
    ApplyHandler apply;  // empty for nodes that cannot be applied
};

// The handler table that the categories fill in, one category at a time.
class HandlerTable {
  public:
    // Registers the handlers of one node; a node registered twice keeps the last ones.
    void Register(TweakId id, ShowHandler show, ApplyHandler apply = {}) {
        table_[id] = TweakHandlers{std::move(show), std::move(apply)};
    }
    const TweakHandlers* Find(TweakId id) const {
        auto it = table_.find(id);
        return it == table_.end() ? nullptr : &it->second;
    }
    std::size_t size() const { return table_.size(); }

  private:
    std::map<TweakId, TweakHandlers> table_;
};

// Fills the table with every category's handlers (tweaks/categories.cpp).
void RegisterAllCategories(HandlerTable& table);

}  // namespace tallowick
