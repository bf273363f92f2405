#include "platform/win32/win32_registry.h"
#include "platform/registry_conformance.h"

namespace tallowick {

std::vector<RegistryTarget> RegistryTargets() {
    return {RegistryTarget{"Win32", [] { return std::make_unique<Win32Registry>(); },
                           /*mergesClassesRoot=*/false}};
}

}  // namespace tallowick
