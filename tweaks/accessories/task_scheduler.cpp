#include "tweaks/accessories/accessories.h"

namespace tallowick {

void RegisterTaskScheduler(HandlerTable& /*table*/) {}

}  // namespace tallowick
