// The Troubleshooting category. For now only the Registry Editor repair, which also serves
// the "Repair The Registry Editor" node of Accessories.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterTroubleshooting(HandlerTable& table);

}  // namespace tallowick
