// The About box: skinned and translated each time it opens.
#pragma once

#include <windows.h>

namespace tallowick {

class Language;
class SkinEngine;

// Runs the About box modally over `owner`; returns when it is closed.
void RunAboutBox(HWND owner, SkinEngine& skin, Language& language);

}  // namespace tallowick
