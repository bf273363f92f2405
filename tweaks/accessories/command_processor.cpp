#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterCommandProcessor(HandlerTable& /*table*/) {}

}  // namespace tallowick
