// Disabling the Windows keys (264), by mapping both to nothing in the keyboard's scan code
// map. The map is shared with every other remapping on the machine, so only the two
// Windows keys' entries are changed and everything else in it is kept.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/system/system.h"

namespace tallowick {

namespace {

constexpr PageId kPage = PageId::MultiCheckPage;
constexpr Target kScancodeMap{
    hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout", "Scancode Map"};

// An entry is the code the key sends now (low word) and the key's own code (high word):
// E0 5B and E0 5C, the left and right Windows keys, sending nothing.
constexpr std::uint32_t kLeftWindowsOff = 0xE05B0000;
constexpr std::uint32_t kRightWindowsOff = 0xE05C0000;

// The map: eight bytes of version and flags, the number of entries counting the zero
// entry that ends them, then the entries, four bytes each.
struct ScancodeMap {
    std::vector<std::uint8_t> header = std::vector<std::uint8_t>(8, 0);
    std::vector<std::uint32_t> entries;  // without the ending zero
};

std::uint32_t NumberAt(const std::vector<std::uint8_t>& data, std::size_t offset) {
    return NumberFromBytes({data.begin() + static_cast<std::ptrdiff_t>(offset),
                            data.begin() + static_cast<std::ptrdiff_t>(offset + 4)});
}

// nullopt for a missing value, or one Windows would not take as a map: not binary, its
// count not matching its size, or not ended by the zero entry.
std::optional<ScancodeMap> ReadMap(TweakContext& ctx) {
    const auto stored =
        ReadRegValue(ctx.registry, kScancodeMap.hive, kScancodeMap.key, kScancodeMap.value);
    if (!stored || stored->type != regtype::Binary)
        return std::nullopt;
    const std::vector<std::uint8_t>& data = stored->data;
    if (data.size() < 16 || data.size() % 4 != 0 || NumberAt(data, 8) != (data.size() - 12) / 4 ||
        NumberAt(data, data.size() - 4) != 0)
        return std::nullopt;
    ScancodeMap map;
    map.header.assign(data.begin(), data.begin() + 8);
    for (std::size_t offset = 12; offset + 4 < data.size(); offset += 4)
        map.entries.push_back(NumberAt(data, offset));
    return map;
}

std::vector<std::uint8_t> Bytes(const ScancodeMap& map) {
    std::vector<std::uint8_t> bytes = map.header;
    auto append = [&bytes](std::uint32_t number) {
        const std::vector<std::uint8_t> four = DwordBytes(number);
        bytes.insert(bytes.end(), four.begin(), four.end());
    };
    append(static_cast<std::uint32_t>(map.entries.size() + 1));
    for (std::uint32_t entry : map.entries)
        append(entry);
    append(0);
    return bytes;
}

bool Has(const ScancodeMap& map, std::uint32_t entry) {
    return std::find(map.entries.begin(), map.entries.end(), entry) != map.entries.end();
}

// Removes the entries `which` picks; true when there were any.
template <typename Pick>
bool RemoveEntries(ScancodeMap& map, Pick which) {
    const auto end = std::remove_if(map.entries.begin(), map.entries.end(), which);
    const bool removed = end != map.entries.end();
    map.entries.erase(end, map.entries.end());
    return removed;
}

void ShowWindowsKeys(TweakContext& ctx, TweakId id) {
    ShowTweakPage(ctx, id, kPage, {ctl::MainCheck}, kWindowsNote);
    ctx.pages.SetText(kPage, ctl::MainCheck, "Disable the Windows keys.");
    const auto map = ReadMap(ctx);
    ctx.pages.SetCheck(kPage, ctl::MainCheck,
                       map && Has(*map, kLeftWindowsOff) && Has(*map, kRightWindowsOff));
}

void ApplyWindowsKeys(TweakContext& ctx) {
    if (!CheckGate(ctx, gate::NtFamily, Refusal::Leave, kPage))
        return;
    ctx.RecordDate();
    std::optional<ScancodeMap> map = ReadMap(ctx);
    if (ctx.pages.IsChecked(kPage, ctl::MainCheck)) {
        // Whatever the Windows keys did before, they now send nothing.
        if (!map)
            map.emplace();
        RemoveEntries(*map, [](std::uint32_t entry) {
            const std::uint32_t key = entry & 0xFFFF0000;
            return key == (kLeftWindowsOff & 0xFFFF0000) || key == (kRightWindowsOff & 0xFFFF0000);
        });
        map->entries.push_back(kLeftWindowsOff);
        map->entries.push_back(kRightWindowsOff);
        StoreData(ctx, kScancodeMap, Binary(Bytes(*map)), false);
        return;
    }
    // A Windows key mapped to another key is not disabled, and stays mapped.
    if (map && !RemoveEntries(*map, [](std::uint32_t entry) {
            return entry == kLeftWindowsOff || entry == kRightWindowsOff;
        }))
        return;
    StoreData(ctx, kScancodeMap, map && !map->entries.empty() ? Binary(Bytes(*map)) : DeleteValue(),
              false);
}

}  // namespace

void RegisterWindowsKeys(HandlerTable& table) {
    table.Register(264, ShowWindowsKeys, ApplyWindowsKeys);
}

}  // namespace tallowick
