#include "tweaks/system/system.h"

namespace tallowick {

void RegisterSystem(HandlerTable& table) {
    RegisterServices(table);
    RegisterFileChecker(table);
    RegisterSystemOwn(table);
    RegisterWindowsKeys(table);
}

}  // namespace tallowick
