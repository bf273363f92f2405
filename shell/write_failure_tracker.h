// Watches the registry calls of one Apply and remembers the first write that failed for
// a reason other than the key or value being absent, so the user can be told once.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace tallowick {

class WriteFailureTracker : public Registry {
  public:
    // Borrows `inner`, which must outlive the tracker.
    explicit WriteFailureTracker(Registry& inner) : inner_(inner) {}

    // The full name of the first key whose change failed ("HKEY_LOCAL_MACHINE\...").
    const std::optional<std::string>& FirstFailure() const { return firstFailure_; }

    long Connect(RegKey hiveKey, RegKey* result) override;
    long OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask, RegKey* result) override;
    long CreateKey(RegKey key, const char* subKey, RegKey* result) override;
    long QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(RegKey key, const char* name) override;
    long DeleteKey(RegKey key, const char* subKey) override;
    long DeleteTree(RegKey key, const char* subKey) override;
    long DeleteValueAt(RegKey key, const char* subKey, const char* name) override;
    long EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    long EnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override;
    long CloseKey(RegKey key) override;

  private:
    std::string NameOf(RegKey key) const;
    std::string NameBelow(RegKey key, const char* subKey) const;
    void Opened(long rc, RegKey key, const char* subKey, RegKey* result);
    long Check(long rc, const std::string& keyName);

    Registry& inner_;
    std::map<RegKey, std::string> names_;
    std::optional<std::string> firstFailure_;
};

}  // namespace tallowick
