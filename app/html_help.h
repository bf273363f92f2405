// The HTML Help viewer, loaded on first use and kept for the rest of the run.
#pragma once

#include <windows.h>

#include <string>

namespace tallowick {

class HtmlHelp {
  public:
    HtmlHelp() = default;
    HtmlHelp(const HtmlHelp&) = delete;
    HtmlHelp& operator=(const HtmlHelp&) = delete;

    // HtmlHelpA(owner, file, command, data). Null, and nothing shown, when the viewer
    // cannot be loaded; after one failure every later call returns null at once.
    HWND Call(HWND owner, const std::string& file, UINT command, DWORD_PTR data);

  private:
    using Entry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    bool Load();

    HMODULE library_ = nullptr;  // never freed: help windows may outlive any caller
    Entry entry_ = nullptr;
    bool failed_ = false;
};

// The help file of `language` beside the program: <folder>\Help\<language>.chm.
std::string HelpFilePath(const std::string& programFolder, const std::string& language);

}  // namespace tallowick
