#include "platform/win32/Win32ShellLinks.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// The shell link's class id, stated here: the import library that holds it
// brings every GUID of the SDK with it, a sixth of a program's size.
constexpr CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The interfaces of one shell-link object, released when done.
class LinkObject {
public:
    LinkObject() {
        if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkA),
                                    reinterpret_cast<void**>(&m_link))))
            m_link = nullptr;
    }
    ~LinkObject() {
        if (m_file) m_file->Release();
        if (m_link) m_link->Release();
    }
    LinkObject(const LinkObject&) = delete;
    LinkObject& operator=(const LinkObject&) = delete;

    IShellLinkA* Link() const { return m_link; }
    IPersistFile* File() {
        if (m_link && !m_file &&
            FAILED(m_link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&m_file))))
            m_file = nullptr;
        return m_file;
    }

private:
    IShellLinkA* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

// The path in wide characters of the ANSI code page, in the 260-character
// buffer the shell-link object is given; false when it does not fit.
bool WidePath(const std::string& path, WCHAR (&wide)[MAX_PATH]) {
    return MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) != 0;
}

class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

}  // namespace

bool Win32ShellLinks::InitializeCom() {
    return SUCCEEDED(CoInitialize(nullptr));
}

void Win32ShellLinks::UninitializeCom() {
    CoUninitialize();
}

bool Win32ShellLinks::Load(const std::string& path, ShortcutFields& fields) {
    LinkObject link;
    WCHAR wide[MAX_PATH];
    if (!link.File() || !WidePath(path, wide) || FAILED(link.File()->Load(wide, STGM_READ))) return false;
    char buffer[MAX_PATH];
    WIN32_FIND_DATAA found;
    ShortcutFields read;
    buffer[0] = '\0';
    link.Link()->GetPath(buffer, MAX_PATH, &found, 0);
    read.target = buffer;
    buffer[0] = '\0';
    link.Link()->GetArguments(buffer, MAX_PATH);
    read.arguments = buffer;
    buffer[0] = '\0';
    link.Link()->GetWorkingDirectory(buffer, MAX_PATH);
    read.workingDirectory = buffer;
    buffer[0] = '\0';
    link.Link()->GetDescription(buffer, MAX_PATH);
    read.description = buffer;
    IShellLinkDataList* data = nullptr;
    DWORD flags = 0;
    if (SUCCEEDED(link.Link()->QueryInterface(__uuidof(IShellLinkDataList), reinterpret_cast<void**>(&data)))) {
        if (SUCCEEDED(data->GetFlags(&flags))) read.advertised = (flags & SLDF_HAS_DARWINID) != 0;
        data->Release();
    }
    link.Link()->GetShowCmd(&read.show);
    fields = read;
    return true;
}

bool Win32ShellLinks::Save(const std::string& path, const ShortcutFields& fields) {
    WaitCursor wait;
    LinkObject link;
    if (!link.Link()) return false;
    link.Link()->SetPath(fields.target.c_str());
    link.Link()->SetArguments(fields.arguments.c_str());
    link.Link()->SetWorkingDirectory(fields.workingDirectory.c_str());
    link.Link()->SetDescription(fields.description.c_str());
    link.Link()->SetShowCmd(fields.show);
    WCHAR wide[MAX_PATH];
    return link.File() && WidePath(path, wide) && SUCCEEDED(link.File()->Save(wide, TRUE));
}
