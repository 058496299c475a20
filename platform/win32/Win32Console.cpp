#include "platform/win32/Win32Console.h"

#include <windows.h>

#include <vector>

namespace {

// A window program has no console of its own: a script's redirection hands
// it a file or a pipe; otherwise it borrows the console of whoever started it.
void Write(DWORD which, const std::string& text) {
    static bool attached = false;
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0, written = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        if (!attached && !AttachConsole(ATTACH_PARENT_PROCESS)) return;
        attached = true;
        handle = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return;
        SetStdHandle(which, handle);
    }
    if (!GetConsoleMode(handle, &mode)) {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    // The console's own code page may not be UTF-8: it is given the characters.
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (size <= 0) return;
    std::vector<wchar_t> wide(static_cast<std::size_t>(size));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(size), &written, nullptr);
}

}  // namespace

void Win32Console::Out(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }
void Win32Console::Error(const std::string& text) { Write(STD_ERROR_HANDLE, text); }
