#include "platform/win32/win32_host.h"

// <windows.h> must come first: the other two rely on its types.
#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

namespace tallowick {

namespace {

// Owns a file handle from CreateFileA, whose failure value is INVALID_HANDLE_VALUE.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// The shell allocates item id lists with the COM task allocator.
struct PidlFree {
    void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};

HWND AsWindow(std::uintptr_t owner) {
    return reinterpret_cast<HWND>(owner);
}

// Largest single ReadFile/WriteFile request; the DWORD count cannot say more.
constexpr DWORD kChunk = 1u << 20;

}  // namespace

void Win32Host::HandleCloser::operator()(void* handle) const {
    CloseHandle(handle);
}

Win32Host::Win32Host() = default;
Win32Host::~Win32Host() = default;

int Win32Host::ShowMessageBox(std::uintptr_t owner, const std::string& text,
                              const std::string& caption, std::uint32_t style) {
    return MessageBoxA(AsWindow(owner), text.c_str(), caption.c_str(), style);
}

std::optional<std::string> Win32Host::BrowseForFolder(std::uintptr_t owner) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = AsWindow(owner);
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = "";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    std::unique_ptr<ITEMIDLIST, PidlFree> chosen(SHBrowseForFolderA(&info));
    if (!chosen)
        return std::nullopt;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), path))
        return std::nullopt;
    return std::string(path);
}

std::optional<std::string> Win32Host::OpenFileDialog(std::uintptr_t owner,
                                                     const std::string& filter,
                                                     std::uint32_t flags) {
    // The dialog wants zero-separated pairs ending in two zeros; the extra zero covers
    // a filter written without its closing '|'.
    std::string pairs = filter;
    std::replace(pairs.begin(), pairs.end(), '|', '\0');
    pairs.push_back('\0');

    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = AsWindow(owner);
    dialog.lpstrFilter = filter.empty() ? nullptr : pairs.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = flags;
    if (!GetOpenFileNameA(&dialog))
        return std::nullopt;
    return std::string(file);
}

std::string Win32Host::WindowsDirectory() {
    std::string path(MAX_PATH, '\0');
    UINT length = GetWindowsDirectoryA(path.data(), static_cast<UINT>(path.size()));
    if (length >= path.size()) {
        // Too small: `length` is the size needed, zero included.
        path.resize(length);
        length = GetWindowsDirectoryA(path.data(), static_cast<UINT>(path.size()));
        if (length >= path.size())
            return {};
    }
    path.resize(length);
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

OsVersion Win32Host::WindowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExA(&info))
        return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId};
}

Date Win32Host::TodayUtc() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

DateTime Win32Host::NowUtc() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Host::ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        // A full buffer means the name was cut short (and, on XP, not terminated).
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
    std::size_t cut = path.rfind('\\');
    if (cut == std::string::npos)
        return {};
    path.resize(cut);
    return path;
}

std::uint32_t Win32Host::LogicalDrives() {
    return GetLogicalDrives();
}

std::uint32_t Win32Host::DriveType(const std::string& root) {
    return GetDriveTypeA(root.c_str());
}

std::optional<std::string> Win32Host::VolumeName(const std::string& root) {
    char name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationA(root.c_str(), name, sizeof(name), nullptr, nullptr, nullptr, nullptr,
                               0)) {
        return std::nullopt;
    }
    return std::string(name);
}

std::optional<std::string> Win32Host::SpecialFolderPath(int csidl) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE))
        return std::nullopt;
    return std::string(path);
}

std::optional<std::string> Win32Host::ReadWholeFile(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    // The buffer is the file's size and a byte, not the largest request: under Wine a read
    // into 1 MiB cost 5 ms, for a date file of 17 KB. Read to the end rather than to the
    // size taken here, in case the file grows.
    DWORD want = 4096;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0)
        want = size.QuadPart < kChunk ? static_cast<DWORD>(size.QuadPart) + 1 : kChunk;
    std::string bytes;
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + want);
        DWORD got = 0;
        const BOOL read = ::ReadFile(file.get(), bytes.data() + used, want, &got, nullptr);
        bytes.resize(used + got);
        if (!read)
            return std::nullopt;
        if (got == 0)
            break;
    }
    return bytes;
}

bool Win32Host::WriteWholeFile(const std::string& path, const std::string& bytes) {
    // Open, then truncate, rather than CREATE_ALWAYS: that refuses to overwrite a hidden
    // or system file (boot.ini is both), and an existing file should keep its attributes.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    if (!SetEndOfFile(file.get()))
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
        DWORD wrote = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr) || wrote == 0) {
            return false;
        }
        done += wrote;
    }
    return true;
}

bool Win32Host::AppendToFile(const std::string& path, const std::string& bytes) {
    // FILE_APPEND_DATA alone: every write goes to the end, whatever else has the file open.
    FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD wrote = 0;
    return bytes.size() <= 0x7FFFFFFF &&
           ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote,
                       nullptr) &&
           wrote == bytes.size();
}

bool Win32Host::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool Win32Host::RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32Host::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint32_t> Win32Host::AttributesOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return static_cast<std::uint32_t>(attributes);
}

bool Win32Host::ChangeAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool Win32Host::AcquireSingleInstance(const std::string& mutexName) {
    SetLastError(ERROR_SUCCESS);
    HANDLE created = CreateMutexA(nullptr, TRUE, mutexName.c_str());
    DWORD error = GetLastError();
    if (created == nullptr)
        return true;
    std::unique_ptr<void, HandleCloser> mutex(created);
    // The handle to someone else's mutex is of no use; let it close.
    if (error == ERROR_ALREADY_EXISTS)
        return false;
    mutexes_.push_back(std::move(mutex));
    return true;
}

}  // namespace tallowick
