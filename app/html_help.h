// The program's help: its compiled help file, shown by the system's HTML Help viewer.
#pragma once

#include <windows.h>

#include <string>

namespace tallowick {

// Opens <programFolder>\Help\<language>.chm at its default topic, in a viewer window owned
// by no other, so it stays open beside the program. The viewer's window, or null when the
// file cannot be shown.
HWND ShowHelpFile(const std::string& programFolder, const std::string& language);

}  // namespace tallowick
