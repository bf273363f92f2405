// What a handler runs against in the engine tests: in-memory seams, the real catalogue,
// date store and language, and a date file written on an earlier day so that a date
// recorded today shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/page_behaviour.h"
#include "engine/tweak_context.h"
#include "model/date_store.h"
#include "model/language.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"

namespace tallowick {

struct TweakHarness {
    static constexpr Date kEarlier{2006, 6, 19};
    static constexpr Date kToday{2007, 3, 5};

    TweakHarness() {
        host.today = kEarlier;
        dates.Initialise();
        host.today = kToday;
        registry.ClearCalls();
    }

    TweakContext Context(TweakId current) {
        return TweakContext{registry, host, pages, catalogue, dates, language, current, 0};
    }
    // The date the store shows for a node: "3/5/2007" once recorded in a test.
    std::string DateOf(TweakId id) { return dates.LookUp(catalogue[id].name); }
    bool RecordedToday(TweakId id) { return DateOf(id) == FormatDate(kToday); }

    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};
    TweakCatalogue catalogue = BuildCatalogue();
    DateStore dates{registry, host, catalogue, host.programFolder};
    Language language{registry, host, host.programFolder};
};

}  // namespace tallowick
