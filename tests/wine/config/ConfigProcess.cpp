#include "tests/wine/config/ConfigProcess.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>

#include "common/RunnerSettings.h"
#include "config/ConfigResources.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"

namespace {

// A list-view message whose argument must lie in the program's own memory:
// the argument is copied there and back.
template <class Argument>
bool SendInProgram(ConfigInstall& install, HWND list, UINT message, WPARAM wParam, Argument& argument) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, install.ProcessId());
    if (process == nullptr) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof argument, MEM_COMMIT, PAGE_READWRITE);
    bool done = remote && WriteProcessMemory(process, remote, &argument, sizeof argument, nullptr);
    if (done) {
        SendMessageA(list, message, wParam, reinterpret_cast<LPARAM>(remote));
        done = ReadProcessMemory(process, remote, &argument, sizeof argument, nullptr);
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return done;
}

}  // namespace

bool SelectAllRows(ConfigInstall& install, HWND list) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    return SendInProgram(install, list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), item);
}

bool DoubleClickRow(ConfigInstall& install, HWND list, int row) {
    RECT bounds{};
    bounds.left = LVIR_LABEL;
    if (!SendInProgram(install, list, LVM_GETITEMRECT, static_cast<WPARAM>(row), bounds)) return false;
    const LPARAM at = MAKELPARAM(bounds.left + 4, (bounds.top + bounds.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    return true;
}

bool ClickCheckBox(ConfigInstall& install, HWND list, int row) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!SendInProgram(install, list, LVM_GETITEMRECT, static_cast<WPARAM>(row), bounds)) return false;
    // The box is the row's state image, at its left end.
    const LPARAM at = MAKELPARAM(bounds.left + 9, (bounds.top + bounds.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    return true;
}

void MakeShortcut(const std::string& path, const std::string& target, const std::string& arguments) {
    Win32ShellLinks links;
    links.InitializeCom();
    ShortcutFields fields;
    fields.target = target;
    fields.arguments = arguments;
    links.Save(path, fields);
    links.UninitializeCom();
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> FileNames(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Asked of the shell itself, not read the way the program reads it.
std::string StartupFolder() {
    char folder[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\";
}

void EmptyDirectory(const std::string& directory) {
    for (const std::string& name : FileNames(directory)) DeleteFileA((directory + name).c_str());
}

std::string NumberedItem(int number, const char* extension) {
    char name[48];
    std::snprintf(name, sizeof name, "Item %03d.%s", number, extension);
    return name;
}

int Rows(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LVM_GETITEMCOUNT, 0, 0));
}

void SelectLastRow(HWND dialog, int list) {
    HWND hwnd = GetDlgItem(dialog, list);
    SendMessageA(hwnd, WM_KEYDOWN, VK_END, 0);
    SendMessageA(hwnd, WM_KEYUP, VK_END, 0);
}

ConfigInstall::ConfigInstall(bool withRunner) {
    dir = FreshFolder("config run");
    const std::string bin = Env("ORVANE_BIN") + "\\";
    CopyFileA((bin + "OrvaneConfig.exe").c_str(), (dir + "OrvaneConfig.exe").c_str(), FALSE);
    if (withRunner) CopyFileA((bin + "Orvane.exe").c_str(), (dir + "Orvane.exe").c_str(), FALSE);
}

bool ConfigInstall::Start() {
    startTicks = GetTickCount();
    return m_process.Start(dir + "OrvaneConfig.exe", dir);
}

bool ConfigInstall::WaitForExit(DWORD milliseconds) {
    return m_process.WaitForExit(milliseconds);
}

bool ConfigInstall::Running() {
    return m_process.Running();
}

HWND ConfigInstall::WaitForDialogTitled(const char* caption, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = m_process.Windows(
                [caption](HWND hwnd) { return ClassName(hwnd) == "#32770" && WindowText(hwnd) == caption; });
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        milliseconds);
    return found;
}

HWND ConfigInstall::WaitForDialog(DWORD milliseconds) {
    return WaitForDialogTitled("Orvane Configuration", milliseconds);
}

HWND ConfigInstall::WaitForDialogEndingWith(const std::string& ending, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> windows = m_process.Windows([&](HWND hwnd) {
                const std::string caption = WindowText(hwnd);
                return ClassName(hwnd) == "#32770" && caption.size() >= ending.size() &&
                       caption.compare(caption.size() - ending.size(), ending.size(), ending) == 0;
            });
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        milliseconds);
    return found;
}

HWND ConfigInstall::WaitForMessageBox(DWORD milliseconds) {
    return WaitForDialogTitled("OrvaneConfig", milliseconds);
}

bool RunTheRunnerAsWindowsWould(DWORD milliseconds, const std::function<void(HWND)>& shown) {
    Win32Registry registry;
    RegistryValue run;
    auto key = registry.Open(RegistryRoot::CurrentUser, settings::kRunKey, RegistryAccess::Read);
    if (!key || !key->Query(settings::kRunValue, run)) return false;
    std::string command = run.Text();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION runner{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &runner)) return false;
    if (shown) {
        HWND window = nullptr;
        WaitUntil(
            [&] {
                window = FindWindowA("#32770", "Orvane");
                return window != nullptr && IsWindowVisible(window);
            },
            10000);
        if (window != nullptr) {
            Sleep(1500);  // into the first countdown
            shown(window);
        }
    }
    const bool ended = WaitForSingleObject(runner.hProcess, milliseconds) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(runner.hProcess, 1);
    CloseHandle(runner.hProcess);
    CloseHandle(runner.hThread);
    return ended;
}

bool EscapeWithoutSaving(ConfigInstall& install, HWND dialog) {
    PostMessageA(GetDlgItem(dialog, config::IdcManagerList), WM_KEYDOWN, VK_ESCAPE, 0);
    HWND box = nullptr;
    WaitUntil([&] { return !install.Running() || (box = FindWindowA("#32770", "OrvaneConfig")) != nullptr; }, 10000);
    if (box != nullptr) PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    return install.WaitForExit(10000);
}

std::string AnswerBox(ConfigInstall& install, int button) {
    HWND box = install.WaitForMessageBox();
    if (box == nullptr) return "<no box>";
    const std::string text = MessageText(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return text;
}

std::string RestoreAll(ConfigInstall& install, HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, config::IdFileRestore, 0);
    return AnswerBox(install, IDYES);
}
