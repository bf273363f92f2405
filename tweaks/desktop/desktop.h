// The Desktop category: its icons, special folders and behaviour.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterDesktop(HandlerTable& table);

}  // namespace tallowick
