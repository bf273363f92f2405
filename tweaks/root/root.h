// The nodes at the root of the tree after the categories.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

inline constexpr TweakId kDriveHiding = 311;

void RegisterRoot(HandlerTable& table);

// The drive page and its node.
void RegisterDriveHiding(HandlerTable& table);

}  // namespace tallowick
