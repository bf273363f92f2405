#include "shell/write_failure_tracker.h"

namespace tallowick {

namespace {

// Access rights that only a change needs: set value, create subkey, delete, write DAC or
// owner, and the generic write and all rights.
constexpr std::uint32_t kChangeRights =
    0x0002 | 0x0004 | 0x00010000 | 0x00040000 | 0x00080000 | 0x40000000 | 0x10000000 | 0x02000000;

}  // namespace

std::string WriteFailureTracker::NameOf(RegKey key) const {
    if (const char* name = HiveName(key); *name != '\0')
        return name;
    auto it = names_.find(key);
    return it == names_.end() ? std::string("(unknown key)") : it->second;
}

std::string WriteFailureTracker::NameBelow(RegKey key, const char* subKey) const {
    std::string name = NameOf(key);
    if (subKey != nullptr && *subKey != '\0')
        name += "\\" + std::string(subKey);
    return name;
}

void WriteFailureTracker::Opened(long rc, RegKey key, const char* subKey, RegKey* result) {
    if (rc == err::Success && result != nullptr && *HiveName(*result) == '\0') {
        names_[*result] = NameBelow(key, subKey);
    }
}

long WriteFailureTracker::Check(long rc, const std::string& keyName) {
    // Absent keys and values are skipped silently by the handlers; anything else is not.
    if (rc != err::Success && rc != err::FileNotFound && !firstFailure_)
        firstFailure_ = keyName;
    return rc;
}

long WriteFailureTracker::Connect(RegKey hiveKey, RegKey* result) {
    return Check(inner_.Connect(hiveKey, result), NameOf(hiveKey));
}

long WriteFailureTracker::OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                                  RegKey* result) {
    long rc = inner_.OpenKey(key, subKey, accessMask, result);
    Opened(rc, key, subKey, result);
    // An open for reading that fails only means the page's default stays.
    return (accessMask & kChangeRights) ? Check(rc, NameBelow(key, subKey)) : rc;
}

long WriteFailureTracker::CreateKey(RegKey key, const char* subKey, RegKey* result) {
    long rc = inner_.CreateKey(key, subKey, result);
    Opened(rc, key, subKey, result);
    return Check(rc, NameBelow(key, subKey));
}

long WriteFailureTracker::QueryValue(RegKey key, const char* name, std::uint32_t* type,
                                     std::uint8_t* data, std::uint32_t* size) {
    return inner_.QueryValue(key, name, type, data, size);
}

long WriteFailureTracker::SetValue(RegKey key, const char* name, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size) {
    return Check(inner_.SetValue(key, name, type, data, size), NameOf(key));
}

long WriteFailureTracker::DeleteValue(RegKey key, const char* name) {
    return Check(inner_.DeleteValue(key, name), NameOf(key));
}

long WriteFailureTracker::DeleteKey(RegKey key, const char* subKey) {
    return Check(inner_.DeleteKey(key, subKey), NameBelow(key, subKey));
}

long WriteFailureTracker::DeleteTree(RegKey key, const char* subKey) {
    return Check(inner_.DeleteTree(key, subKey), NameBelow(key, subKey));
}

long WriteFailureTracker::DeleteValueAt(RegKey key, const char* subKey, const char* name) {
    return Check(inner_.DeleteValueAt(key, subKey, name), NameBelow(key, subKey));
}

long WriteFailureTracker::EnumKey(RegKey key, std::uint32_t index, char* name,
                                  std::uint32_t nameSize) {
    return inner_.EnumKey(key, index, name, nameSize);
}

long WriteFailureTracker::EnumValue(RegKey key, std::uint32_t index, char* name,
                                    std::uint32_t* nameLength, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* dataSize) {
    return inner_.EnumValue(key, index, name, nameLength, type, data, dataSize);
}

long WriteFailureTracker::CloseKey(RegKey key) {
    names_.erase(key);
    return inner_.CloseKey(key);
}

}  // namespace tallowick
