#include "engine/tweak_context.h"

#include <stdexcept>
#include <string>

#include "model/date_store.h"

namespace tallowick {

void TweakContext::RecordDate() {
    dates.RecordDate(current);
}

void HandlerTable::Register(TweakId id, TweakHandlers handlers) {
    if (!table_.emplace(id, std::move(handlers)).second)
        throw std::logic_error("node " + std::to_string(id) + " is registered twice");
}

void HandlerTable::RegisterPage(PageId page, PageHandlers handlers) {
    if (!pages_.emplace(page, std::move(handlers)).second) {
        throw std::logic_error("page " + std::to_string(static_cast<int>(page)) +
                               " is registered twice");
    }
}

}  // namespace tallowick
