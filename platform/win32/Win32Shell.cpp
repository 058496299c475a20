#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace {

// An empty text is passed as no text: no verb is the default action.
const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

intptr_t Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) {
    const HINSTANCE result = ShellExecuteA(GetDesktopWindow(), OrNull(verb), file.c_str(), OrNull(parameters),
                                           OrNull(directory), showCommand);
    return reinterpret_cast<intptr_t>(result);
}

namespace {

SHELLEXECUTEINFOA ExecuteInfo(ULONG mask, HWND owner, const std::string& verb, const std::string& file,
                              const std::string& parameters, const std::string& directory, int showCommand) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = mask;
    info.hwnd = owner;
    info.lpVerb = OrNull(verb);
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(directory);
    info.nShow = showCommand;
    return info;
}

}  // namespace

LaunchResult Win32Shell::Launch(const std::string& verb, const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand) {
    // The runner tells a failure in its own words, as ShellExecuteA leaves it to.
    SHELLEXECUTEINFOA info = ExecuteInfo(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI, GetDesktopWindow(), verb, file,
                                         parameters, directory, showCommand);
    const bool started = ShellExecuteExA(&info) != FALSE;
    // hInstApp holds ShellExecuteA's result; a success that left it unset
    // is still a success.
    intptr_t result = reinterpret_cast<intptr_t>(info.hInstApp);
    if (started && result <= HINSTANCE_ERROR) result = HINSTANCE_ERROR + 1;
    if (!started && result > HINSTANCE_ERROR) result = SE_ERR_NOASSOC;
    return LaunchResult{result, reinterpret_cast<ProcessHandle>(info.hProcess)};
}

void Win32Shell::Release(ProcessHandle process) {
    if (process != 0) CloseHandle(reinterpret_cast<HANDLE>(process));
}

bool Win32Shell::ExecuteEx(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& directory, int showCommand) {
    // The caller reports a failure itself: the shell's own box would be a second one.
    SHELLEXECUTEINFOA info =
        ExecuteInfo(SEE_MASK_FLAG_NO_UI, GetActiveWindow(), verb, file, parameters, directory, showCommand);
    return ShellExecuteExA(&info) != FALSE;
}

std::string Win32Shell::FailureText(intptr_t result) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        ErrorOfShellResult(result), 0, text, sizeof text, nullptr);
    std::string words(text, length);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ')) words.pop_back();
    return words;
}
