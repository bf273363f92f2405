// The categories whose handlers are built. Each category adds its registration here.
#include "tweaks/categories.h"

#include "tweaks/accessories/accessories.h"
#include "tweaks/appearance/appearance.h"
#include "tweaks/desktop/desktop.h"
#include "tweaks/explorer/explorer.h"
#include "tweaks/filesystem/filesystem.h"
#include "tweaks/login/login.h"
#include "tweaks/root/root.h"
#include "tweaks/startmenu/startmenu.h"
#include "tweaks/startup/startup.h"
#include "tweaks/system/system.h"
#include "tweaks/troubleshooting/troubleshooting.h"

namespace tallowick {

void RegisterAllCategories(HandlerTable& table) {
    RegisterAccessories(table);
    RegisterAppearance(table);
    RegisterDesktop(table);
    RegisterExplorer(table);
    RegisterFileSystem(table);
    RegisterLogin(table);
    RegisterStartMenu(table);
    RegisterStartup(table);
    RegisterSystem(table);
    RegisterTroubleshooting(table);
    RegisterRoot(table);
}

}  // namespace tallowick
