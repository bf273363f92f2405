#include "platform/registry.h"

namespace tallowick {

const char* HiveName(RegKey hiveKey) {
    if (hiveKey == hive::ClassesRoot)
        return "HKEY_CLASSES_ROOT";
    if (hiveKey == hive::CurrentUser)
        return "HKEY_CURRENT_USER";
    if (hiveKey == hive::LocalMachine)
        return "HKEY_LOCAL_MACHINE";
    if (hiveKey == hive::Users)
        return "HKEY_USERS";
    return "";
}

long QueryValueWhole(Registry& registry, RegKey key, const char* name, RegValue* value) {
    for (;;) {
        std::uint32_t size = 0;
        std::uint32_t type = regtype::None;
        long rc = registry.QueryValue(key, name, &type, nullptr, &size);
        if (rc != err::Success)
            return rc;
        // One spare byte so a value that grows by a little between the calls still fits.
        std::vector<std::uint8_t> data(size + 1);
        std::uint32_t got = size + 1;
        rc = registry.QueryValue(key, name, &type, data.data(), &got);
        if (rc == err::MoreData)
            continue;
        if (rc != err::Success)
            return rc;
        data.resize(got);
        value->type = type;
        value->data = std::move(data);
        return err::Success;
    }
}

}  // namespace tallowick
