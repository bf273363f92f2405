// The nodes at the root of the tree after the categories.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterRoot(HandlerTable& table);

}  // namespace tallowick
