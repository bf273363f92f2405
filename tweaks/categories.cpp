// The categories whose handlers are built. Each category adds its registration here.
#include "shell/tweak_context.h"
#include "tweaks/accessories/accessories.h"
#include "tweaks/troubleshooting/troubleshooting.h"

namespace tallowick {

void RegisterAllCategories(HandlerTable& table) {
    RegisterAccessories(table);
    RegisterTroubleshooting(table);
}

}  // namespace tallowick
