#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterDrWatson(HandlerTable& /*table*/) {}

}  // namespace tallowick
