// The application: one instance at a time, one main window and its message loop.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/main_dialog.h"
#include "app/resource.h"
#include "app/window_util.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_registry.h"

namespace {

constexpr const char* kMutexName = "Tallowick";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // OLE for picture decoding and the help viewer; the common controls for the tree,
    // lists and header.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{
        sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    tallowick::Win32Host host;
    if (!host.AcquireSingleInstance(kMutexName)) {
        MessageBoxA(nullptr, tallowick::ResourceString(IDS_ALREADY_RUNNING).c_str(),
                    tallowick::ResourceString(IDS_APP_NAME).c_str(), MB_OK);
    } else {
        tallowick::Win32Registry registry;
        tallowick::MainDialog dialog(registry, host);
        dialog.Run();
    }
    OleUninitialize();
    return 0;
}
