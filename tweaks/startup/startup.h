// The Start up and Shutdown category: its tweaks, and the boot menu's time-out, which is
// kept in the boot file rather than the registry.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterStartup(HandlerTable& table);

// Called by RegisterStartup.
void RegisterBootMenu(HandlerTable& table);

// The notes of these pages; unlike most pages', their "you" is in lower case.
namespace startup {
inline constexpr const char* kRestartOnlyNote =
    "Note:\n\tyou may need to restart for the changes to take effect.";
}  // namespace startup

}  // namespace tallowick
