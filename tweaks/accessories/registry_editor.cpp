// The "Registry Editor" group. Its third node, the repair of the editor's saved state,
// shares its handlers with the Troubleshooting repair and is registered there.
#include "engine/tweak_engine.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

// A double-click on a .reg file merges it at once; making "edit" the default verb opens
// it in Notepad instead, so an import always takes a deliberate "Merge".
constexpr const char* kRegFileVerbs = "regfile\\shell";

constexpr const char* kSystemPolicies =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

const CheckTweak kAvoidAccidentalImports{
    .id = 26,
    .caption = "Make \"edit\" default action",
    .where = {hive::ClassesRoot, kRegFileVerbs, kRegFileVerbs, ""},
    .checked = Text("edit"),
    .unchecked = Text(""),
    .gate = std::nullopt,
};

const DualCheckTweak kDisableRegistryTools{
    .id = 27,
    .userCaption = "Disable Registry Editing Tools (Current User).",
    .machineCaption = "Disable Registry Editing Tools (All Users).",
    .path = kSystemPolicies,
    .create = kSystemPolicies,
    .value = "DisableRegistryTools",
    .checked = Dword(1),
    .unchecked = Dword(0),
    .gate = gate::Win2000MeXp,
};

}  // namespace

void RegisterRegistryEditorGroup(HandlerTable& table) {
    Register(table, kAvoidAccidentalImports);
    Register(table, kDisableRegistryTools);
}

}  // namespace tallowick
