// The "Registry Editor" group. Its third node, the repair of the editor's saved state,
// shares its handlers with the Troubleshooting repair and is registered there.
#include "engine/declarations.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

// A double-click on a .reg file merges it at once; making "edit" the default verb opens
// it in Notepad instead, so an import always takes a deliberate "Merge".
constexpr const char* kRegFileVerbs = "regfile\\shell";

constexpr const char* kSystemPolicies =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

}  // namespace

void RegisterRegistryEditorGroup(HandlerTable& table) {
    // The verbs key is made whole when missing.
    Register(table,
             Declared{.id = 26,
                      .fields = {Box{.caption = "Make \"edit\" default action",
                                     .at = {{hive::ClassesRoot, kRegFileVerbs, "", kCreateAll}},
                                     .on = Text("edit"),
                                     .off = Text("")}}});
    Register(table, Declared{.id = 27,
                             .fields = BothScopes("Disable Registry Editing Tools (Current User).",
                                                  "Disable Registry Editing Tools (All Users).",
                                                  {hive::CurrentUser, kSystemPolicies,
                                                   "DisableRegistryTools", kCreateAll},
                                                  Dword(1), Dword(0)),
                             .gate = gate::Win2000MeXp});
}

}  // namespace tallowick
