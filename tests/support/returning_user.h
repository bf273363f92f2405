// A returning user's machine for tests through the application core: a first start on an
// earlier day wrote the date file, so that a date recorded today shows.
#pragma once

#include "model/date_store.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"

namespace tallowick {

inline constexpr Date kEarlierDay{2006, 6, 19};
inline constexpr Date kToday{2007, 3, 5};

// Starts once on kEarlierDay with a core of its own, then starts `core` on kToday with
// `handlers`.
inline void StartAsReturningUser(MemoryRegistry& registry, FakeHost& host, AppCore& core,
                                 const RegisterHandlers& handlers) {
    host.today = kEarlierDay;
    {
        MemoryPages firstPages(PageLayouts());
        AppCore first(registry, host, firstPages);
        first.LoadData();
    }
    host.today = kToday;
    core.LoadData();
    core.OpenPages(handlers);
}

}  // namespace tallowick
