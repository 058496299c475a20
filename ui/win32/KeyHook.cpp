#include "ui/win32/KeyHook.h"

#include <algorithm>
#include <vector>

namespace ui32 {
namespace {

HHOOK g_hook = nullptr;
std::vector<HWND> g_dialogs;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
        if (msg.message == WM_KEYDOWN) {
            for (HWND dialog : g_dialogs) {
                if (msg.hwnd == dialog || IsChild(dialog, msg.hwnd)) {
                    PostMessageA(dialog, WmPreTranslateKeyDown, msg.wParam, 0);
                    break;
                }
            }
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

void WatchKeysOf(HWND dialog) {
    if (g_dialogs.empty())
        g_hook = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
    g_dialogs.push_back(dialog);
}

void StopWatchingKeysOf(HWND dialog) {
    g_dialogs.erase(std::remove(g_dialogs.begin(), g_dialogs.end(), dialog), g_dialogs.end());
    if (g_dialogs.empty() && g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

}  // namespace ui32
