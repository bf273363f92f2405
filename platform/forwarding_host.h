// A Host that passes every call to another one: the base for hosts that change a few
// calls (recording file changes, keeping them in memory) and leave the rest alone.
#pragma once

#include "platform/host.h"

namespace tallowick {

class ForwardingHost : public Host {
  public:
    // Borrows `inner`, which must outlive this host.
    explicit ForwardingHost(Host& inner) : inner_(inner) {}

    int ShowMessageBox(std::uintptr_t owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        return inner_.ShowMessageBox(owner, text, caption, style);
    }
    std::optional<std::string> BrowseForFolder(std::uintptr_t owner) override {
        return inner_.BrowseForFolder(owner);
    }
    std::optional<std::string> OpenFileDialog(std::uintptr_t owner, const std::string& filter,
                                              std::uint32_t flags) override {
        return inner_.OpenFileDialog(owner, filter, flags);
    }
    std::string WindowsDirectory() override { return inner_.WindowsDirectory(); }
    OsVersion WindowsVersion() override { return inner_.WindowsVersion(); }
    Date TodayUtc() override { return inner_.TodayUtc(); }
    DateTime NowUtc() override { return inner_.NowUtc(); }
    std::string ProgramFolder() override { return inner_.ProgramFolder(); }
    std::uint32_t LogicalDrives() override { return inner_.LogicalDrives(); }
    std::uint32_t DriveType(const std::string& root) override { return inner_.DriveType(root); }
    std::optional<std::string> VolumeName(const std::string& root) override {
        return inner_.VolumeName(root);
    }
    std::optional<std::string> SpecialFolderPath(int csidl) override {
        return inner_.SpecialFolderPath(csidl);
    }
    std::optional<std::string> ReadWholeFile(const std::string& path) override {
        return inner_.ReadWholeFile(path);
    }
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override {
        return inner_.WriteWholeFile(path, bytes);
    }
    bool AppendToFile(const std::string& path, const std::string& bytes) override {
        return inner_.AppendToFile(path, bytes);
    }
    bool RemoveFile(const std::string& path) override { return inner_.RemoveFile(path); }
    bool RenameOver(const std::string& from, const std::string& to) override {
        return inner_.RenameOver(from, to);
    }
    bool FileExists(const std::string& path) override { return inner_.FileExists(path); }
    std::optional<std::uint32_t> AttributesOf(const std::string& path) override {
        return inner_.AttributesOf(path);
    }
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override {
        return inner_.ChangeAttributes(path, attributes);
    }
    bool AcquireSingleInstance(const std::string& mutexName) override {
        return inner_.AcquireSingleInstance(mutexName);
    }

  protected:
    Host& inner_;
};

}  // namespace tallowick
