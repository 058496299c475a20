#pragma once
// WM_KEYDOWN on its way to a dialog, whichever of its controls has the focus.
// A thread WH_GETMESSAGE hook sees each key as the dialog's modal loop takes
// it from the queue, before IsDialogMessage can turn it into a command (Enter,
// Escape, Tab). It posts the key to the dialog (WM_APP + 1, the virtual key in
// wParam) rather than calling the dialog from inside the hook, so that a
// handler may open message boxes; the dialog hears of the key just after the
// control has had it. Nothing is swallowed. Keys meant for another window (a
// message box, a child dialog) are not the dialog's.
#include <windows.h>

namespace ui32 {
constexpr UINT WmPreTranslateKeyDown = WM_APP + 1;
void WatchKeysOf(HWND dialog);
void StopWatchingKeysOf(HWND dialog);
}  // namespace ui32
