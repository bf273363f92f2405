#include "tweaks/appearance/appearance.h"

namespace tallowick {

void RegisterAppearance(HandlerTable& table) {
    RegisterEffectsAndMenus(table);
    RegisterFontsAndIcons(table);
    RegisterAppearanceOwn(table);
}

}  // namespace tallowick
