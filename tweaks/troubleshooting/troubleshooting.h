// The Troubleshooting category: how a system crash is dumped and announced, a few
// settings that help find problems, and the repairs of things Windows or other programs
// leave broken. The Registry Editor repair also serves the "Repair The Registry Editor"
// node of Accessories.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterTroubleshooting(HandlerTable& table);

// Called by RegisterTroubleshooting: the "Crash Control" and "Repair" groups.
void RegisterCrashControl(HandlerTable& table);
void RegisterRepair(HandlerTable& table);

}  // namespace tallowick
