// Records, before each change an Apply makes through the registry or the host's files,
// the state it is about to change, so that the change can be undone exactly and shown.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/forwarding_host.h"
#include "platform/reg_text.h"
#include "platform/registry.h"

namespace tallowick {

// One change as it was about to be made, with what was there before it.
struct ChangeStep {
    enum class Kind {
        Value,       // a value set or deleted
        KeyCreated,  // a key that did not exist (the topmost one a create made)
        KeyDeleted,  // a key deleted with everything below it
        File,        // a file written, replaced or removed
        Attributes,  // a file's attributes changed
    };
    Kind kind = Kind::Value;
    RegKey hive = 0;  // registry kinds: the key
    std::string path;
    std::string name;                       // Value: the value's name, "" for the default value
    std::optional<RegValue> before;         // Value: nullopt when it did not exist
    bool secret = false;                    // Value: a password, kept without its data
    std::vector<RegTextKey> tree;           // KeyDeleted: the key as it was, with all below it
    std::string file;                       // File, Attributes: the path
    std::optional<std::string> fileBefore;  // File: nullopt when it did not exist
    std::optional<std::uint32_t> attributesBefore;  // Attributes
};

// A value whose data is never kept: its name has "password" in it, in any case.
bool IsSecretValueName(std::string_view name);

// The registry an Apply runs against: every call goes to `inner`, and each change is
// preceded by a read of what it will change, appended to `steps`.
class JournalingRegistry : public Registry {
  public:
    // Borrows both; they must outlive this object.
    JournalingRegistry(Registry& inner, std::vector<ChangeStep>& steps)
        : inner_(inner), steps_(steps) {}

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
    struct Place {
        RegKey hive = 0;
        std::string path;
    };
    // Where a handle (or a handle and a subkey below it) is; hive 0 when unknown.
    Place Locate(RegKey key, const char* subKey = nullptr) const;
    void Opened(long rc, const Place& place, RegKey* result);
    Place Stored(const Place& place);
    void RecordValue(const Place& place, const char* name);
    void RecordCreate(const Place& place);
    void RecordTree(const Place& place);

    Registry& inner_;
    std::vector<ChangeStep>& steps_;
    std::map<RegKey, Place> places_;
};

// The host an Apply runs against: file changes are preceded by a read of the file they
// change; everything else passes through.
class JournalingHost : public ForwardingHost {
  public:
    // Borrows both; they must outlive this object.
    JournalingHost(Host& inner, std::vector<ChangeStep>& steps)
        : ForwardingHost(inner), steps_(steps) {}

    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameOver(const std::string& from, const std::string& to) override;
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override;

  private:
    void RecordFile(const std::string& path);

    std::vector<ChangeStep>& steps_;
};

}  // namespace tallowick
