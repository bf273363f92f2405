#include "app/html_help.h"

namespace tallowick {

namespace {

// Where the system registers the viewer's library.
constexpr const char* kViewerServer =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 14;

std::string RegisteredViewer() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kViewerServer, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return path;
}

}  // namespace

std::string HelpFilePath(const std::string& programFolder, const std::string& language) {
    return programFolder + "\\Help\\" + language + ".chm";
}

bool HtmlHelp::Load() {
    if (entry_)
        return true;
    if (failed_)
        return false;
    if (!library_) {
        const std::string registered = RegisteredViewer();
        if (!registered.empty())
            library_ = LoadLibraryA(registered.c_str());
        if (!library_)
            library_ = LoadLibraryA("hhctrl.ocx");
    }
    if (library_) {
        entry_ = reinterpret_cast<Entry>(
            reinterpret_cast<void*>(GetProcAddress(library_, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    }
    failed_ = !entry_;
    return entry_ != nullptr;
}

HWND HtmlHelp::Call(HWND owner, const std::string& file, UINT command, DWORD_PTR data) {
    if (!Load())
        return nullptr;
    return entry_(owner, file.c_str(), command, data);
}

}  // namespace tallowick
