#include <windows.h>

#include <commctrl.h>

#include "config/ConfigApp.h"
#include "config/transfer/CommandModes.h"
#include "platform/win32/Win32Console.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32DialogHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    InitCommonControls();
    Win32Platform machine("OrvaneConfig");
    Platform platform = machine.platform();
    const ConfigSwitches switches = ReadConfigSwitches(commandLine);
    if (switches.mode != ConfigMode::Window) {
        Win32Console console;
        return RunConfigMode(platform, console, switches);
    }
    CConfigApp app(platform);
    app.InitInstance([&machine](CDialog& dialog) {
        // Its Close ends the program: the user waits for the window to go.
        return RunMainDialog(dialog, [&machine](HWND window) { machine.messages.SetMainWindow(window); }, true);
    });
    return 0;
}
