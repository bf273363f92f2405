// The splash picture shown while the program starts: a small borderless window painted from
// the splash file, which closes itself after the file's time or on a click.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "shell/skin.h"

namespace tallowick {

class SplashScreen {
  public:
    SplashScreen() = default;
    ~SplashScreen();
    SplashScreen(const SplashScreen&) = delete;
    SplashScreen& operator=(const SplashScreen&) = delete;

    // Reads the splash file; a missing or invalid file leaves nothing to show.
    void Load(const std::string& path);
    // Shows the picture centred on the screen for the file's time. Does nothing when no
    // picture is loaded. Returns at once: the picture closes from the message loop.
    void Show();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HWND window);

    std::optional<Splash> splash_;
    HWND window_ = nullptr;
};

}  // namespace tallowick
