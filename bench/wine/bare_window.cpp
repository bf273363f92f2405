// The floor of a start-up under Wine: a program that imports the same libraries as
// tallowick.exe and shows one plain window, nothing more. bench/startup_wine.sh times it
// beside the program.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <htmlhelp.h>
#include <ole2.h>
#include <olectl.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

constexpr const char* kClassName = "TallowickBareWindow";

// One function of each library the program imports beyond those every program has, so
// that the loader maps and starts the same libraries; none of them is called.
const void* const kImported[] = {
    reinterpret_cast<const void*>(&RegOpenKeyExA),
    reinterpret_cast<const void*>(&InitCommonControlsEx),
    reinterpret_cast<const void*>(&GetOpenFileNameA),
    reinterpret_cast<const void*>(&CreateSolidBrush),
    reinterpret_cast<const void*>(&HtmlHelpA),
    reinterpret_cast<const void*>(&TransparentBlt),
    reinterpret_cast<const void*>(&OleInitialize),
    reinterpret_cast<const void*>(&OleLoadPicture),
    reinterpret_cast<const void*>(&SHBrowseForFolderA),
    reinterpret_cast<const void*>(&SHDeleteValueA),
};
// Read at run time, so that the compiler keeps every reference above.
const void* volatile imported;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    for (const void* function : kImported)
        imported = function;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return 1;
    // The size of the program's main window.
    if (!CreateWindowExA(0, kClassName, "Tallowick floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CW_USEDEFAULT, CW_USEDEFAULT, 800, 440, nullptr, nullptr, instance,
                         nullptr))
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
