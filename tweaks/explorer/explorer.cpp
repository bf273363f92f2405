#include "tweaks/explorer/explorer.h"

namespace tallowick {

void RegisterExplorer(HandlerTable& table) {
    RegisterSearch(table);
    RegisterExplorerOwn(table);
}

}  // namespace tallowick
