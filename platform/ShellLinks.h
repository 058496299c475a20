#pragma once
// Shortcut (.lnk) files through the shell-link object.
#include <string>

struct ShortcutFields {
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    std::string description;
    // An installer's (advertised) shortcut: its target stands for a feature
    // to install or repair, not for the program it starts. Read, not saved.
    bool advertised = false;
    int show = 1;  // the window's show state (win::Sw*, SW_SHOWNORMAL)
};

class IShellLinks {
public:
    virtual ~IShellLinks() = default;
    // CoInitialize / CoUninitialize around each shell-link operation.
    virtual bool InitializeCom() = 0;
    virtual void UninitializeCom() = 0;
    // Loads a shortcut (IPersistFile::Load, STGM_READ); each field at most
    // 259 characters, as the 260-character buffers give them.
    virtual bool Load(const std::string& path, ShortcutFields& fields) = 0;
    // Sets the four fields and saves (IPersistFile::Save, fRemember TRUE).
    virtual bool Save(const std::string& path, const ShortcutFields& fields) = 0;
};
