// The registry seam: the registry operations the program uses, with Win32 semantics.
//
// Every call returns a Win32 error code (0 on success) and mirrors one advapi32 or
// shlwapi function, argument for argument, so handlers written against it behave the
// same on the real registry and on the in-memory one. Texts are ANSI.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowick {

// A key handle. The four predefined hives carry the same values as on Win64, so the
// Win32 implementation can pass handles straight through.
using RegKey = std::uintptr_t;

namespace hive {
constexpr RegKey Predefined(std::uint32_t id) {
    return static_cast<RegKey>(static_cast<std::intptr_t>(static_cast<std::int32_t>(id)));
}
inline constexpr RegKey ClassesRoot = Predefined(0x80000000u);
inline constexpr RegKey CurrentUser = Predefined(0x80000001u);
inline constexpr RegKey LocalMachine = Predefined(0x80000002u);
inline constexpr RegKey Users = Predefined(0x80000003u);
}  // namespace hive

// The full name of a predefined hive ("HKEY_CURRENT_USER"), or "" for any other key.
const char* HiveName(RegKey hiveKey);

// Win32 error codes that registry calls return.
namespace err {
inline constexpr long Success = 0;
inline constexpr long FileNotFound = 2;
inline constexpr long AccessDenied = 5;
inline constexpr long InvalidHandle = 6;
inline constexpr long NotEnoughMemory = 8;
inline constexpr long WriteFault = 29;
inline constexpr long InvalidParameter = 87;
inline constexpr long BadPathname = 161;
inline constexpr long MoreData = 234;
inline constexpr long NoMoreItems = 259;
inline constexpr long KeyDeleted = 1018;
}  // namespace err

namespace regtype {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
}  // namespace regtype

// A REG_DWORD's bytes: little-endian.
inline std::vector<std::uint8_t> DwordBytes(std::uint32_t number) {
    return {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
}
// The first four bytes, little-endian; shorter data reads as if padded with zeros.
inline std::uint32_t NumberFromBytes(const std::vector<std::uint8_t>& data) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
        number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return number;
}

namespace access {
inline constexpr std::uint32_t Read = 0x20019;       // KEY_READ
inline constexpr std::uint32_t Write = 0x20006;      // KEY_WRITE
inline constexpr std::uint32_t AllAccess = 0xF003F;  // KEY_ALL_ACCESS
}  // namespace access

class Registry {
  public:
    virtual ~Registry() = default;

    // RegConnectRegistryA with a null machine name: the predefined handle of `hiveKey`.
    virtual long Connect(RegKey hiveKey, RegKey* result) = 0;
    // RegOpenKeyExA. On failure *result is 0. A null or empty subKey opens `key` again.
    virtual long OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                         RegKey* result) = 0;
    // RegCreateKeyA: opens the key, creating it and any missing intermediate keys.
    virtual long CreateKey(RegKey key, const char* subKey, RegKey* result) = 0;
    // RegQueryValueExA. `type` and `data` may be null; `size` is in/out (bytes). A buffer
    // too small gives MoreData, leaves `data` untouched and reports the size needed.
    virtual long QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;
    // RegSetValueExA. For string types, as on Windows, a text whose last counted byte is
    // not zero but whose next byte is gets that zero stored too: `data` must be readable
    // one byte past `size` for string types whenever size > 0.
    virtual long SetValue(RegKey key, const char* name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    // RegDeleteValueA.
    virtual long DeleteValue(RegKey key, const char* name) = 0;
    // RegDeleteKeyA: fails with AccessDenied when the subkey has subkeys.
    virtual long DeleteKey(RegKey key, const char* subKey) = 0;
    // SHDeleteKeyA: deletes the subkey and everything below it.
    virtual long DeleteTree(RegKey key, const char* subKey) = 0;
    // SHDeleteValueA: opens `subKey` under `key` and deletes one value of it.
    virtual long DeleteValueAt(RegKey key, const char* subKey, const char* name) = 0;
    // RegEnumKeyA: `nameSize` counts the terminating zero.
    virtual long EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) = 0;
    // RegEnumValueA. `nameLength` is in/out: buffer size in, length without zero out.
    virtual long EnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                           std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) = 0;
    // RegCloseKey. Closing a predefined handle succeeds and does nothing.
    virtual long CloseKey(RegKey key) = 0;
};

// Closes the key it holds when it goes out of scope. Borrows the registry, which must
// outlive it.
class KeyHandle {
  public:
    explicit KeyHandle(Registry& registry) : registry_(&registry) {}
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    KeyHandle(KeyHandle&& other) noexcept : registry_(other.registry_), key_(other.key_) {
        other.key_ = 0;
    }
    KeyHandle& operator=(KeyHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            registry_ = other.registry_;
            key_ = other.key_;
            other.key_ = 0;
        }
        return *this;
    }
    ~KeyHandle() { Reset(); }

    RegKey get() const { return key_; }
    explicit operator bool() const { return key_ != 0; }
    // For passing to Open/Create/Connect; closes what was held first.
    RegKey* out() {
        Reset();
        return &key_;
    }
    void Reset() {
        if (key_ != 0)
            registry_->CloseKey(key_);
        key_ = 0;
    }

  private:
    Registry* registry_;
    RegKey key_ = 0;
};

// A whole value read back: its type and exact bytes.
struct RegValue {
    std::uint32_t type = regtype::None;
    std::vector<std::uint8_t> data;
};

// Asks for the size, then reads; retries if the value grows in between.
long QueryValueWhole(Registry& registry, RegKey key, const char* name, RegValue* value);

// A key as a hive and a path below it, without empty parts.
struct RegPlace {
    RegKey hive = 0;
    std::string path;
};

// Where HKEY_CLASSES_ROOT\`path` is kept, HKEY_CLASSES_ROOT being a view of two keys: the
// user's copy under HKEY_CURRENT_USER\Software\Classes where there is one, else the
// machine's under HKEY_LOCAL_MACHINE\Software\Classes; a key in neither is where creating
// it through HKEY_CLASSES_ROOT puts it, beside the deepest part that exists (the machine's
// copy first). `exists` says whether a key is there; `path` has no empty parts.
RegPlace ClassesRootPlace(std::string_view path,
                          const std::function<bool(RegKey, const std::string&)>& exists);
// The same, asking `registry`; any place outside HKEY_CLASSES_ROOT comes back as it is.
RegPlace StoredPlace(Registry& registry, const RegPlace& place);

}  // namespace tallowick
