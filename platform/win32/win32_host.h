// The Host on the real system, through the ANSI Win32 functions.
#pragma once

#include <memory>
#include <vector>

#include "platform/host.h"

namespace tallowick {

class Win32Host final : public Host {
  public:
    Win32Host();
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    int ShowMessageBox(std::uintptr_t owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) override;
    std::optional<std::string> BrowseForFolder(std::uintptr_t owner) override;
    std::optional<std::string> OpenFileDialog(std::uintptr_t owner, const std::string& filter,
                                              std::uint32_t flags) override;

    std::string WindowsDirectory() override;
    OsVersion WindowsVersion() override;
    Date TodayUtc() override;
    DateTime NowUtc() override;
    std::string ProgramFolder() override;
    std::uint32_t LogicalDrives() override;
    std::uint32_t DriveType(const std::string& root) override;
    std::optional<std::string> VolumeName(const std::string& root) override;
    std::optional<std::string> SpecialFolderPath(int csidl) override;

    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameOver(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override;
    std::optional<std::uint32_t> AttributesOf(const std::string& path) override;
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override;

    bool AcquireSingleInstance(const std::string& mutexName) override;

  private:
    // Closes a kernel HANDLE; keeps <windows.h> out of this header.
    struct HandleCloser {
        void operator()(void* handle) const;
    };
    // The mutexes this instance took; closed, and so released, when it is destroyed.
    std::vector<std::unique_ptr<void, HandleCloser>> mutexes_;
};

}  // namespace tallowick
