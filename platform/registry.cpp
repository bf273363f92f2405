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

RegPlace ClassesRootPlace(std::string_view path,
                          const std::function<bool(RegKey, const std::string&)>& exists) {
    auto classes = [](std::string_view below) {
        return below.empty() ? std::string("Software\\Classes")
                             : "Software\\Classes\\" + std::string(below);
    };
    const std::string stored = classes(path);
    if (exists(hive::CurrentUser, stored))
        return {hive::CurrentUser, stored};
    if (exists(hive::LocalMachine, stored))
        return {hive::LocalMachine, stored};
    while (!path.empty()) {
        const std::size_t cut = path.rfind('\\');
        path = path.substr(0, cut == std::string_view::npos ? 0 : cut);
        if (exists(hive::LocalMachine, classes(path)))
            return {hive::LocalMachine, stored};
        if (exists(hive::CurrentUser, classes(path)))
            return {hive::CurrentUser, stored};
    }
    return {hive::LocalMachine, stored};
}

RegPlace StoredPlace(Registry& registry, const RegPlace& place) {
    if (place.hive != hive::ClassesRoot)
        return place;
    return ClassesRootPlace(place.path, [&registry](RegKey root, const std::string& path) {
        KeyHandle key(registry);
        return registry.OpenKey(root, path.c_str(), access::Read, key.out()) == err::Success;
    });
}

}  // namespace tallowick
