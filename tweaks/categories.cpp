// The categories whose handlers are built. Each category adds its registration here.
#include "shell/tweak_context.h"

namespace tallowick {

void RegisterAllCategories(HandlerTable& /*table*/) {}

}  // namespace tallowick
