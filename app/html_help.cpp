#include "app/html_help.h"

#include <htmlhelp.h>

namespace tallowick {

HWND ShowHelpFile(const std::string& programFolder, const std::string& language) {
    const std::string file = programFolder + "\\Help\\" + language + ".chm";
    return HtmlHelpA(nullptr, file.c_str(), HH_DISPLAY_TOPIC, 0);
}

}  // namespace tallowick
