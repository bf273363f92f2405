// An in-memory Host for tests: every answer is a public member a test can set, every
// dialog is recorded, and files live in a map.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/host.h"

namespace tallowick {

// Orders paths as Windows compares them: ASCII letters without regard to case.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

using PathSet = std::set<std::string, PathLess>;

class FakeHost final : public Host {
  public:
    struct MessageBoxCall {
        std::uintptr_t owner;
        std::string text;
        std::string caption;
        std::uint32_t style;
    };
    enum class Picker { Folder, File };
    struct PickerCall {
        Picker picker;
        std::uintptr_t owner;
        std::string filter;   // empty for the folder picker
        std::uint32_t flags;  // 0 for the folder picker
    };
    struct Drive {
        std::uint32_t type;
        std::optional<std::string> volumeName;  // nullopt: the volume cannot be queried
    };

    FakeHost();

    // Answers. Each dialog takes the front of its queue; an empty queue answers IdOk for
    // message boxes and cancel (nullopt) for the pickers.
    std::deque<int> messageBoxAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::string>> fileAnswers;

    std::string windowsDirectory = "C:\\WINDOWS";
    OsVersion version{5, 1, 2600, 2};  // Windows XP
    Date today{2007, 3, 5};
    int secondsToday = 12 * 3600;  // NowUtc: `today` at this time; each call adds a second
    std::string programFolder = "C:\\Program Files\\Tallowick";
    std::map<char, Drive> drives;               // keyed by upper-case letter; C: fixed by default
    std::map<int, std::string> specialFolders;  // csidl::AppData set by default

    // Files, keyed by full path. Folders are not modelled: any path can be written.
    std::map<std::string, std::string, PathLess> files;
    // Attributes of the files that have other than a new file's (archive); they follow a
    // renamed file and go with a removed one.
    std::map<std::string, std::uint32_t, PathLess> attributes;

    // Fault injection: operations on these paths fail and change nothing. A rename fails
    // when either of its two paths is listed.
    PathSet failReads;
    PathSet failWrites;
    PathSet failRenames;
    PathSet failRemoves;

    // Names of the mutexes taken through AcquireSingleInstance (case-sensitive, as
    // kernel object names are).
    std::set<std::string> heldMutexes;

    // What the program showed, in order.
    std::vector<MessageBoxCall> messageBoxes;
    std::vector<PickerCall> pickerCalls;

    int ShowMessageBox(std::uintptr_t owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) override;
    std::optional<std::string> BrowseForFolder(std::uintptr_t owner) override;
    std::optional<std::string> OpenFileDialog(std::uintptr_t owner, const std::string& filter,
                                              std::uint32_t flags) override;

    std::string WindowsDirectory() override { return windowsDirectory; }
    OsVersion WindowsVersion() override { return version; }
    Date TodayUtc() override { return today; }
    DateTime NowUtc() override;
    std::string ProgramFolder() override { return programFolder; }
    std::uint32_t LogicalDrives() override;
    std::uint32_t DriveType(const std::string& root) override;
    std::optional<std::string> VolumeName(const std::string& root) override;
    std::optional<std::string> SpecialFolderPath(int csidl) override;

    std::optional<std::string> ReadWholeFile(const std::string& path) override;
    bool WriteWholeFile(const std::string& path, const std::string& bytes) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool RemoveFile(const std::string& path) override;
    bool RenameOver(const std::string& from, const std::string& to) override;
    bool FileExists(const std::string& path) override { return files.contains(path); }
    std::optional<std::uint32_t> AttributesOf(const std::string& path) override;
    bool ChangeAttributes(const std::string& path, std::uint32_t attributes) override;

    bool AcquireSingleInstance(const std::string& mutexName) override;

  private:
    // The drive a root path such as "c:\" names, or nullptr.
    const Drive* FindDrive(const std::string& root) const;
};

}  // namespace tallowick
