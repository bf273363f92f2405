// The "Caching and Memory" group: the size of the system's file cache.
#include "engine/declarations.h"
#include "platform/page_layouts.h"
#include "tweaks/filesystem/filesystem.h"

namespace tallowick {

void RegisterCaching(HandlerTable& table) {
    // Windows' default is the desktop's small cache, so it is shown while nothing is stored.
    Register(table,
             Declared{.id = 124,
                      .page = PageId::ComboCheckPage,
                      .fields = {Choice{
                          .label = "Optimize System Cache for:",
                          .items = IndexItems({"Desktop Computers", "Network Servers"}),
                          .at = {{hive::LocalMachine,
                                  "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory "
                                  "Management",
                                  "LargeSystemCache"}},
                          .preselect = 0}},
                      .gate = gate::NtFamily,
                      .note = nullptr});
}

}  // namespace tallowick
