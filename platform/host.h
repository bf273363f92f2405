// The host seam: the platform services the program uses besides the registry and the
// page dialogs. Message boxes, the two pickers, facts about the machine, whole-file
// access beside the program, and the single-instance guard.
//
// Method names deliberately avoid the names windows.h turns into macros (MessageBox,
// ReadFile, DeleteFile, ReplaceFile, GetDriveType...), so this header can share a
// translation unit with <windows.h>. Texts and paths are ANSI. No call throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallowick {

// Message box styles and the button ids it returns, with their Win32 values.
namespace mb {
inline constexpr std::uint32_t Ok = 0x0;
inline constexpr std::uint32_t OkCancel = 0x1;
inline constexpr std::uint32_t YesNo = 0x4;
inline constexpr std::uint32_t IconHand = 0x10;
inline constexpr std::uint32_t IconExclamation = 0x30;
inline constexpr std::uint32_t IconInformation = 0x40;

inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;
}  // namespace mb

// File-open dialog flags (OFN_*) that callers pass through.
namespace ofn {
inline constexpr std::uint32_t OverwritePrompt = 0x2;
inline constexpr std::uint32_t HideReadOnly = 0x4;
inline constexpr std::uint32_t PathMustExist = 0x800;
inline constexpr std::uint32_t FileMustExist = 0x1000;
}  // namespace ofn

// Drive types as GetDriveTypeA reports them.
namespace drive {
inline constexpr std::uint32_t Unknown = 0;
inline constexpr std::uint32_t NoRootDir = 1;
inline constexpr std::uint32_t Removable = 2;
inline constexpr std::uint32_t Fixed = 3;
inline constexpr std::uint32_t Remote = 4;
inline constexpr std::uint32_t CdRom = 5;
inline constexpr std::uint32_t RamDisk = 6;
}  // namespace drive

// File attributes (FILE_ATTRIBUTE_*).
namespace fileattr {
inline constexpr std::uint32_t ReadOnly = 0x1;
inline constexpr std::uint32_t Hidden = 0x2;
inline constexpr std::uint32_t System = 0x4;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;
}  // namespace fileattr

// Shell folder ids (CSIDL_*).
namespace csidl {
inline constexpr int AppData = 0x1a;
}  // namespace csidl

// GetVersionExA's answer. platformId 1 is the Windows 95 family, 2 the NT family.
// OSVERSIONINFOA's dwPlatformId.
inline constexpr std::uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS: 95, 98, Me
inline constexpr std::uint32_t kPlatformNt = 2;       // VER_PLATFORM_WIN32_NT

struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
};

// A calendar date without time; month and day count from 1.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A moment to the second.
struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Host {
  public:
    virtual ~Host() = default;

    // --- User interaction. `owner` is a window handle, 0 for none. ---

    // MessageBoxA: the id of the button pressed (mb::IdOk...), 0 if the box could not
    // be shown.
    virtual int ShowMessageBox(std::uintptr_t owner, const std::string& text,
                               const std::string& caption, std::uint32_t style) = 0;
    // The shell's folder browser (file-system folders only, no root, no title): the
    // chosen folder, or nullopt when the user cancels or picks something that is not a
    // file-system folder.
    virtual std::optional<std::string> BrowseForFolder(std::uintptr_t owner) = 0;
    // The common file-open dialog. `filter` is pairs of description and pattern, each
    // ended by '|', the whole ended by one more '|': "All Files(*.*)|*.*||". `flags` are
    // OFN_* bits. The full path chosen, or nullopt on cancel or failure.
    virtual std::optional<std::string> OpenFileDialog(std::uintptr_t owner,
                                                      const std::string& filter,
                                                      std::uint32_t flags) = 0;

    // --- The machine. ---

    // The Windows directory without a trailing backslash; empty on failure.
    virtual std::string WindowsDirectory() = 0;
    // All zeros on failure.
    virtual OsVersion WindowsVersion() = 0;
    // Today in UTC, from the system clock.
    virtual Date TodayUtc() = 0;
    // Now in UTC, from the system clock.
    virtual DateTime NowUtc() = 0;
    // The folder of the running executable, never ending in a backslash; empty on
    // failure.
    virtual std::string ProgramFolder() = 0;
    // Bit n set when drive letter n is in use (bit 0 = A:).
    virtual std::uint32_t LogicalDrives() = 0;
    // A drive::* type for a root path such as "C:\"; drive::NoRootDir when the root is
    // not valid.
    virtual std::uint32_t DriveType(const std::string& root) = 0;
    // The volume label of a root path such as "C:\" (empty text for a volume without a
    // label); nullopt when the volume cannot be queried, e.g. no disc in the drive.
    virtual std::optional<std::string> VolumeName(const std::string& root) = 0;
    // A shell folder (csidl::*) without creating it; nullopt when it does not exist.
    virtual std::optional<std::string> SpecialFolderPath(int csidl) = 0;

    // --- Whole files. Contents are raw bytes; nothing is translated. ---

    // The whole file; nullopt when it is missing or cannot be read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
    // Creates the file or truncates it, then writes `bytes`. False on any failure, in
    // which case the file may be left partly written: write elsewhere and RenameOver
    // for a save that must not be torn.
    virtual bool WriteWholeFile(const std::string& path, const std::string& bytes) = 0;
    // Adds `bytes` at the end of the file, creating it, in one write: what was there is
    // never rewritten, and a write cut short leaves at most a torn tail. False on any
    // failure.
    virtual bool AppendToFile(const std::string& path, const std::string& bytes) = 0;
    // False when the file is missing or cannot be deleted.
    virtual bool RemoveFile(const std::string& path) = 0;
    // Renames `from` to `to`, replacing `to` in one step if it exists. False, with both
    // files untouched, when `from` is missing or the rename fails.
    virtual bool RenameOver(const std::string& from, const std::string& to) = 0;
    // True for an existing file; false for a folder or nothing.
    virtual bool FileExists(const std::string& path) = 0;
    // The file's attributes (fileattr::*); nullopt when it is missing or cannot be asked.
    virtual std::optional<std::uint32_t> AttributesOf(const std::string& path) = 0;
    // Gives an existing file these attributes. False on any failure.
    virtual bool ChangeAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // --- Single instance. ---

    // Takes the named mutex for as long as this Host lives. False only when the name is
    // already held (by another process, another Host, or this one); any other failure
    // to create the mutex returns true, so the program runs unguarded rather than not
    // at all.
    virtual bool AcquireSingleInstance(const std::string& mutexName) = 0;
};

}  // namespace tallowick
