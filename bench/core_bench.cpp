// Timings of the core, natively on the in-memory seams: start-up, selecting every node
// once, and the largest group list. Run: build/native/tallowick_bench
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "tweaks/categories.h"

namespace tallowick {
namespace {

// A machine that has run the program before: the date file and its flag exist.
struct Machine {
    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};

    Machine() {
        AppCore first(registry, host, pages);
        first.LoadData();
    }
};

void BM_CoreStartUp(benchmark::State& state) {
    Machine machine;
    for (auto _ : state) {
        MemoryPages pages(PageLayouts());
        AppCore core(machine.registry, machine.host, pages);
        core.LoadData();
        auto items = core.TreeItems();
        core.OpenPages(RegisterAllCategories);
        benchmark::DoNotOptimize(items.data());
    }
}
BENCHMARK(BM_CoreStartUp)->Unit(benchmark::kMillisecond);

void BM_SelectEveryNode(benchmark::State& state) {
    Machine machine;
    AppCore core(machine.registry, machine.host, machine.pages);
    core.LoadData();
    core.OpenPages(RegisterAllCategories);
    const auto items = core.TreeItems();
    for (auto _ : state) {
        for (const TreeItem& item : items)
            core.OnSelect(item.data);
    }
    state.counters["per_selection_us"] = benchmark::Counter(
        static_cast<double>(items.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_SelectEveryNode)->Unit(benchmark::kMicrosecond);

// Every single selection, timed one by one, so the slowest node shows.
void BM_SelectNode(benchmark::State& state) {
    Machine machine;
    AppCore core(machine.registry, machine.host, machine.pages);
    core.LoadData();
    core.OpenPages(RegisterAllCategories);
    const auto id = static_cast<TweakId>(state.range(0));
    for (auto _ : state)
        core.OnSelect(id);
}
BENCHMARK(BM_SelectNode)
    ->Arg(0)    // the first category
    ->Arg(95)   // a largest group list (17 rows)
    ->Arg(155)  // the other one
    ->Arg(11)   // a tweak
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallowick

BENCHMARK_MAIN();
