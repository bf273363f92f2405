#include "tweaks/filesystem/filesystem.h"

namespace tallowick {

void RegisterFileSystem(HandlerTable& table) {
    RegisterCaching(table);
    RegisterFilesAndShortcuts(table);
    RegisterMaintenance(table);
    RegisterFileSystemOwn(table);
}

}  // namespace tallowick
