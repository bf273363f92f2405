#include "engine/flag_rows.h"

#include <cstdint>
#include <vector>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

constexpr PageId kPage = PageId::ValueListPage;

std::vector<std::string> WantedSubkeys(Registry& registry, const FlagRows& rows) {
    std::vector<std::string> names;
    KeyHandle connected(registry), parent(registry);
    if (registry.Connect(rows.hive, connected.out()) != err::Success ||
        registry.OpenKey(connected.get(), rows.key, access::Read, parent.out()) != err::Success) {
        return names;
    }
    char name[261];
    for (std::uint32_t i = 0; registry.EnumKey(parent.get(), i, name, sizeof name) == err::Success;
         ++i) {
        if (!rows.wanted || rows.wanted(registry, parent.get(), name))
            names.push_back(name);
    }
    return names;
}

std::string SubkeyPath(const FlagRows& rows, const std::string& name) {
    return std::string(rows.key) + "\\" + name;
}

}  // namespace

void ShowFlagRows(TweakContext& ctx, TweakId id, const FlagRows& rows) {
    ShowTweakPage(ctx, id, kPage, {ctl::ValueList}, nullptr);
    ctx.pages.ListDeleteAllItems(kPage, ctl::ValueList);
    int row = 0;
    for (const std::string& name : WantedSubkeys(ctx.registry, rows)) {
        const int index = ctx.pages.ListInsertItem(kPage, ctl::ValueList, row++, name);
        const bool ticked =
            !ReadRegValue(ctx.registry, rows.hive, SubkeyPath(rows, name), rows.flag);
        ctx.pages.ListSetCheckState(kPage, ctl::ValueList, index, ticked);
    }
}

void ApplyFlagRows(TweakContext& ctx, const FlagRows& rows) {
    const int count = ctx.pages.ListGetItemCount(kPage, ctl::ValueList);
    for (int row = 0; row < count; ++row) {
        const std::string path =
            SubkeyPath(rows, ctx.pages.ListGetItemText(kPage, ctl::ValueList, row, 0));
        if (ctx.pages.ListGetCheckState(kPage, ctl::ValueList, row)) {
            DeleteValueOfKey(ctx.registry, rows.hive, path, rows.flag);
        } else {
            // Opened, never created: the subkey may have gone since Show.
            const char empty[] = "";
            WriteValue(ctx.registry, rows.hive, path, "", rows.flag, regtype::Sz,
                       reinterpret_cast<const std::uint8_t*>(empty), 0, nullptr);
        }
    }
}

}  // namespace tallowick
