// An in-memory registry with the behaviour of the Windows one, for tests.
//
// What it reproduces: names matched without regard to case and kept in the case they
// were created with; subkeys and values enumerated in sorted order; values kept with
// their type and exact bytes; the string terminator rule of RegSetValueExA; the size
// rules of RegQueryValueExA; handles to deleted keys; access checks on opened handles;
// HKEY_CLASSES_ROOT as the merged view of HKCU\Software\Classes over
// HKLM\Software\Classes; HKEY_USERS holding `.DEFAULT` and the current user's hive.
//
// On top of that a test can load and save `.reg` text, make chosen calls fail, and read
// the log of calls made.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tallowick {

enum class RegOp {
    Connect,
    Open,
    Create,
    Query,
    Set,
    DeleteValue,
    DeleteKey,
    DeleteTree,
    DeleteValueAt,
    EnumKey,
    EnumValue,
};

const char* RegOpName(RegOp op);

// One call as the registry saw it: the key it acted on, as a path from its hive.
struct RegCall {
    RegOp op;
    RegKey hive;
    std::string path;  // the key opened, created, deleted, or holding the value
    std::string name;  // the value name, where there is one
    long result;
};

class MemoryRegistry : public Registry {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;

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

    // Fault injection: every later call `op` on a key at `path` under `hiveKey`, or below
    // it, returns `error` and changes nothing. An empty path covers the whole hive. The
    // hive is the one the caller went through (HKCR calls match rules for HKCR).
    void FailOn(RegOp op, RegKey hiveKey, std::string path, long error);
    void ClearFaults();

    // Applies `.reg` text ("Windows Registry Editor Version 5.00" or "REGEDIT4") on top
    // of the current contents, including [-key] and "name"=- deletions. Returns false and
    // says why in *error on a malformed line, and then applies nothing.
    bool LoadRegText(std::string_view text, std::string* error = nullptr);
    // The whole registry (HKLM, then HKCU, then HKU\.DEFAULT), or one key with everything
    // below it, as `.reg` text. Keys and values come in enumeration order, so two
    // registries with the same contents save to the same text.
    std::string SaveRegText();
    std::string ExportRegText(RegKey hiveKey, std::string_view path);

    // Every call made so far, oldest first.
    const std::vector<RegCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Handles opened and not yet closed: a handler that leaks keys shows up here.
    std::size_t OpenHandleCount() const;

    struct Node;
    struct Handle;

  private:
    struct Fault {
        RegOp op;
        RegKey hive;
        std::string path;
        long error;
    };

    // The handle `key` stands for, or null. A predefined key's handle is made in
    // *predefined; any other is the open handle itself, not a copy.
    const Handle* Resolve(RegKey key, Handle* predefined) const;
    RegKey AddHandle(Handle&& handle);
    long Faulted(RegOp op, RegKey hiveKey, const std::string& path) const;
    long Record(RegOp op, RegKey hiveKey, const std::string& path, const char* name, long result);
    long OpenOrCreate(RegKey key, const char* subKey, std::uint32_t accessMask, bool create,
                      RegKey* result);
    long DeleteSubkey(RegKey key, const char* subKey, bool recursive, RegOp op);

    // Loading and saving go through the ordinary calls, but unseen: no faults, no log.
    class Unobserved;

    std::shared_ptr<Node> machine_;
    std::shared_ptr<Node> user_;
    std::shared_ptr<Node> users_;
    std::map<RegKey, std::unique_ptr<Handle>> handles_;
    RegKey nextHandle_ = 0x1000;
    std::vector<Fault> faults_;
    std::vector<RegCall> calls_;
    bool quiet_ = false;  // while loading or saving: calls are not logged
};

}  // namespace tallowick
