#include "platform/win32/win32_registry.h"

#include <shlwapi.h>
#include <windows.h>

namespace tallowick {

namespace {

HKEY H(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
RegKey K(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

// DWORD and std::uint32_t are the same size but not the same type on mingw.
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));

}  // namespace

long Win32Registry::Connect(RegKey hiveKey, RegKey* result) {
    HKEY out = nullptr;
    long rc = RegConnectRegistryA(nullptr, H(hiveKey), &out);
    *result = K(out);
    return rc;
}

long Win32Registry::OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                            RegKey* result) {
    HKEY out = nullptr;
    long rc = RegOpenKeyExA(H(key), subKey, 0, accessMask, &out);
    *result = K(out);
    return rc;
}

long Win32Registry::CreateKey(RegKey key, const char* subKey, RegKey* result) {
    HKEY out = nullptr;
    long rc = RegCreateKeyA(H(key), subKey, &out);
    *result = K(out);
    return rc;
}

long Win32Registry::QueryValue(RegKey key, const char* name, std::uint32_t* type,
                               std::uint8_t* data, std::uint32_t* size) {
    return RegQueryValueExA(H(key), name, nullptr, reinterpret_cast<DWORD*>(type), data,
                            reinterpret_cast<DWORD*>(size));
}

long Win32Registry::SetValue(RegKey key, const char* name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(H(key), name, 0, type, data, size);
}

long Win32Registry::DeleteValue(RegKey key, const char* name) {
    return RegDeleteValueA(H(key), name);
}

long Win32Registry::DeleteKey(RegKey key, const char* subKey) {
    return RegDeleteKeyA(H(key), subKey);
}

long Win32Registry::DeleteTree(RegKey key, const char* subKey) {
    return static_cast<long>(SHDeleteKeyA(H(key), subKey));
}

long Win32Registry::DeleteValueAt(RegKey key, const char* subKey, const char* name) {
    return static_cast<long>(SHDeleteValueA(H(key), subKey, name));
}

long Win32Registry::EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) {
    return RegEnumKeyA(H(key), index, name, nameSize);
}

long Win32Registry::EnumValue(RegKey key, std::uint32_t index, char* name,
                              std::uint32_t* nameLength, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* dataSize) {
    return RegEnumValueA(H(key), index, name, reinterpret_cast<DWORD*>(nameLength), nullptr,
                         reinterpret_cast<DWORD*>(type), data, reinterpret_cast<DWORD*>(dataSize));
}

long Win32Registry::CloseKey(RegKey key) {
    return RegCloseKey(H(key));
}

}  // namespace tallowick
