// The registry seam over the real Windows registry (advapi32 and shlwapi).
#pragma once

#include "platform/registry.h"

namespace tallowick {

class Win32Registry : public Registry {
  public:
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
};

}  // namespace tallowick
