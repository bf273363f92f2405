#include "tweaks/startmenu/startmenu.h"

namespace tallowick {

void RegisterStartMenu(HandlerTable& table) {
    RegisterDocumentsAndFolders(table);
    RegisterTaskbar(table);
    RegisterStartMenuOwn(table);
}

}  // namespace tallowick
