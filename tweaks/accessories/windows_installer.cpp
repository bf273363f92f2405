#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterWindowsInstaller(HandlerTable& /*table*/) {}

}  // namespace tallowick
