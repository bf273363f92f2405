// What a preview runs against: the real registry and files seen through an overlay that
// keeps every change in memory, so the handler reads its own pending changes and nothing
// real is touched. Message boxes are collected instead of shown.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/forwarding_host.h"
#include "platform/registry.h"

namespace tallowick {

class OverlayRegistry : public Registry {
  public:
    // Borrows `base`, which must outlive the overlay; only reads reach it, and opens
    // asking for change rights, so that a key Apply could not change fails here too.
    explicit OverlayRegistry(Registry& base) : base_(base) {}
    ~OverlayRegistry() override;

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
    // A key the overlay has touched. A key deleted hides what the base has at and below
    // it; made again, it holds only what the overlay gives it.
    struct Node {
        bool created = false;
        bool hidesBase = false;
        std::map<std::string, std::optional<RegValue>> values;  // by folded name
        std::map<std::string, std::string> valueNames;          // folded -> as written
        std::string name;                                       // last part, as written
    };

    bool Resolve(RegKey key, const char* subKey, Place* place) const;
    // Where the key is kept: a place under HKEY_CLASSES_ROOT becomes the copy the registry
    // uses, so a change through either name is seen through the other. Handles keep the
    // name they were opened by, and the overlay's nodes only kept places.
    Place Stored(const Place& place) const;
    std::string Id(const Place& place) const;
    bool BaseHidden(const Place& place) const;
    bool BaseHas(const Place& place) const;
    bool Exists(const Place& place) const;
    std::optional<RegValue> Value(const Place& place, const std::string& name) const;
    std::vector<std::string> SubkeyNames(const Place& place) const;
    std::vector<std::string> ValueNames(const Place& place) const;
    long Delete(RegKey key, const char* subKey, bool tree);
    RegKey NewHandle(const Place& place);

    Registry& base_;
    std::map<std::string, Node> nodes_;  // by Id
    std::map<RegKey, Place> handles_;
    RegKey nextHandle_ = 0x7000;
};

class OverlayHost : public ForwardingHost {
  public:
    // Borrows `inner`, which must outlive this host; only file reads and machine facts
    // reach it.
    explicit OverlayHost(Host& inner) : ForwardingHost(inner) {}

    // The texts of the message boxes the handler asked for, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

    // Collected, not shown: a question is answered yes, anything else OK.
    int ShowMessageBox(std::uintptr_t owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) override;
    std::optional<std::string> BrowseForFolder(std::uintptr_t) override { return std::nullopt; }
    std::optional<std::string> OpenFileDialog(std::uintptr_t, const std::string&,
                                              std::uint32_t) override {
        return std::nullopt;
    }
    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameOver(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> AttributesOf(const std::string& path) override;
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override;
    bool AcquireSingleInstance(const std::string&) override { return true; }

  private:
    struct File {
        std::optional<std::string> bytes;  // nullopt: removed
        std::optional<std::uint32_t> attributes;
    };
    std::map<std::string, File> files_;  // by folded path
    std::vector<std::string> messages_;
};

}  // namespace tallowick
