// A ValueListPage check list with one row per subkey of a key, ticked while the subkey
// has no `flag` value: the programs under HKEY_CLASSES_ROOT\Applications that Windows
// offers somewhere unless a program's key says otherwise.
#pragma once

#include <functional>
#include <string>

#include "engine/tweak_context.h"
#include "platform/registry.h"

namespace tallowick {

struct FlagRows {
    RegKey hive;
    const char* key;
    const char* flag;
    // Whether a subkey gets a row; `parent` is the opened key. Every subkey when empty.
    std::function<bool(Registry& registry, RegKey parent, const std::string& name)> wanted;
};

// Shows the page with one row per wanted subkey, in the registry's order, each ticked
// while its subkey has no flag. No note.
void ShowFlagRows(TweakContext& ctx, TweakId id, const FlagRows& rows);

// Removes the flag of every ticked row and sets it to an empty text for every clear one.
// Rows are matched to subkeys by name, so subkeys added or removed since Show change
// nothing for the others, and a subkey that has gone is not made again.
void ApplyFlagRows(TweakContext& ctx, const FlagRows& rows);

}  // namespace tallowick
