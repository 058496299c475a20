#include <windows.h>

#include <commctrl.h>

#include "config/ConfigApp.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32DialogHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    Win32Platform machine("OrvaneConfig");
    Platform platform = machine.platform();
    CConfigApp app(platform);
    app.InitInstance([&machine](CDialog& dialog) {
        return RunMainDialog(dialog, [&machine](HWND window) { machine.messages.SetMainWindow(window); });
    });
    return 0;
}
