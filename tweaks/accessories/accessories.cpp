#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterAccessories(HandlerTable& table) {
    RegisterCommandProcessor(table);
    RegisterDrWatson(table);
    RegisterRegistryEditorGroup(table);
    RegisterTaskScheduler(table);
    RegisterWindowsInstaller(table);
    RegisterAccessoriesOwn(table);
}

}  // namespace tallowick
