#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterRegistryEditorGroup(HandlerTable& /*table*/) {}

}  // namespace tallowick
