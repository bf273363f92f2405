#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterAccessoriesOwn(HandlerTable& /*table*/) {}

}  // namespace tallowick
