// What the change journal adds to an Apply, and what one search keystroke costs.
// Run: build/native/tallowick_bench --benchmark_filter='Journal|Search'
#include <benchmark/benchmark.h>

#include <string>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "shell/change_journal.h"
#include "shell/tree_search.h"

namespace tallowick {
namespace {

// Ten values written as a declared tweak writes them: each through its own open key.
void WriteTenValues(Registry& registry) {
    for (int i = 0; i < 10; ++i) {
        KeyHandle key(registry);
        registry.CreateKey(hive::CurrentUser, "Software\\Bench\\Tweak", key.out());
        const std::uint8_t data[] = {static_cast<std::uint8_t>(i), 0, 0, 0, 0};
        const std::string name = "Value" + std::to_string(i);
        registry.SetValue(key.get(), name.c_str(), regtype::Dword, data, 4);
    }
}

void BM_ApplyTenValuesPlain(benchmark::State& state) {
    MemoryRegistry registry;
    for (auto _ : state)
        WriteTenValues(registry);
}
BENCHMARK(BM_ApplyTenValuesPlain)->Unit(benchmark::kMicrosecond);

// The same writes journaled: each value read before it is written, the entry made with
// the state after, formatted and appended to the journal file.
void BM_ApplyTenValuesJournaled(benchmark::State& state) {
    MemoryRegistry registry;
    FakeHost host;
    ChangeJournal journal(host, "C:\\Program");
    for (auto _ : state) {
        std::vector<ChangeStep> steps;
        JournalingRegistry journaled(registry, steps);
        WriteTenValues(journaled);
        JournalEntry entry = MakeJournalEntry(steps, registry, host);
        entry.time = host.NowUtc();
        journal.Append(entry);
        state.PauseTiming();
        host.files.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyTenValuesJournaled)->Unit(benchmark::kMicrosecond);

// One keystroke: a search over every node, the worst case being a text no node has.
void BM_SearchKeystroke(benchmark::State& state) {
    const TweakCatalogue catalogue = BuildCatalogue();
    const TreeSearch search(catalogue);
    const char* text = state.range(0) ? "no node has this" : "scree";
    for (auto _ : state)
        benchmark::DoNotOptimize(search.Find(text));
}
BENCHMARK(BM_SearchKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallowick
