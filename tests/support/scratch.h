// What the suites that also run on the real seams need: the seams themselves, a scratch
// folder, and a registry key put back as it was found, so that a case under Wine leaves
// the test prefix as it found it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "support/registry_test_support.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_host.h"
#include "platform/win32/win32_registry.h"
#else
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#endif

namespace tallowick {

#ifdef _WIN32
// Removes a folder with everything in it, read-only files included. "" is no folder.
inline void RemoveFolderTree(const std::string& folder) {
    if (folder.empty())
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            const std::string path = folder + "\\" + name;
            if (name == "." || name == "..") {
                continue;
            } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// A new, empty folder under the Windows temp folder, without a trailing backslash; "" on
// failure. The caller removes it with RemoveFolderTree.
inline std::string MakeScratchFolder() {
    char temp[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, temp) == 0 || GetTempFileNameA(temp, "tlw", 0, name) == 0)
        return {};
    // The unique name comes as a file; a folder takes its place.
    DeleteFileA(name);
    return CreateDirectoryA(name, nullptr) ? name : "";
}
#endif

// In memory natively; on Windows the real registry and files in a new scratch folder,
// which goes with this object.
struct Seams {
#ifdef _WIN32
    Seams()
        : registry(std::make_unique<Win32Registry>()),
          host(std::make_unique<Win32Host>()),
          folder(MakeScratchFolder()) {}
    ~Seams() {
        RemoveFolderTree(folder);
    }
#else
    Seams()
        : registry(std::make_unique<MemoryRegistry>()),
          host(std::make_unique<FakeHost>()),
          folder("C:\\Program Files\\Tallowick") {}
#endif
    Seams(const Seams&) = delete;
    Seams& operator=(const Seams&) = delete;

    std::unique_ptr<Registry> registry;
    std::unique_ptr<Host> host;
    std::string folder;  // without a trailing backslash; "" when none could be made
};

// Saves the values of a key (which must have no subkeys worth keeping) and, when it goes,
// puts the key back as it was, or removes it if there was none. Borrows the registry.
class SavedKey {
  public:
    SavedKey(Registry& registry, RegKey root, std::string path)
        : registry_(registry), root_(root), path_(std::move(path)) {
        KeyHandle key(registry_);
        if (registry_.OpenKey(root_, path_.c_str(), access::Read, key.out()) != err::Success)
            return;
        saved_.emplace();
        for (std::uint32_t index = 0;; ++index) {
            std::string name(16384, '\0');
            auto length = static_cast<std::uint32_t>(name.size());
            if (registry_.EnumValue(key.get(), index, name.data(), &length, nullptr, nullptr,
                                    nullptr) != err::Success)
                break;
            name.resize(length);
            RegValue value;
            if (QueryValueWhole(registry_, key.get(), name.c_str(), &value) == err::Success)
                saved_->emplace_back(name, std::move(value));
        }
    }
    ~SavedKey() {
        registry_.DeleteTree(root_, path_.c_str());
        if (!saved_)
            return;
        KeyHandle key(registry_);
        registry_.CreateKey(root_, path_.c_str(), key.out());
        for (const auto& [name, value] : *saved_)
            WriteValue(registry_, root_, path_, name.c_str(), value);
    }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

  private:
    Registry& registry_;
    const RegKey root_;
    const std::string path_;
    std::optional<std::vector<std::pair<std::string, RegValue>>> saved_;
};

}  // namespace tallowick
