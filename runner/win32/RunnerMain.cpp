#include <windows.h>

#include <commctrl.h>

#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Processes.h"
#include "runner/RunnerApp.h"
#include "ui/win32/Win32DialogHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    Win32Processes processes;
    Win32Platform machine("Orvane", processes);
    Win32LaunchDevices launching;
    Platform platform = machine.platform(launching.windows, launching.power, launching.network);
    CRunnerApp app(platform, [&machine](CDialog& dialog) {
        return RunMainDialog(dialog, [&machine](HWND window) { machine.messages.SetMainWindow(window); });
    });
    app.InitInstance();
    return 0;
}
