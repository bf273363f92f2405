// The Accessories category: its groups' tweaks and its own.
#pragma once

#include "engine/tweak_context.h"

namespace tallowick {

void RegisterAccessories(HandlerTable& table);

// One per group, called by RegisterAccessories.
void RegisterCommandProcessor(HandlerTable& table);
void RegisterDrWatson(HandlerTable& table);
void RegisterRegistryEditorGroup(HandlerTable& table);  // without the shared repair
void RegisterTaskScheduler(HandlerTable& table);
void RegisterWindowsInstaller(HandlerTable& table);
void RegisterAccessoriesOwn(HandlerTable& table);

}  // namespace tallowick
