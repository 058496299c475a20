#pragma once
// Shortcuts through the shell-link object (IShellLinkA with IPersistFile).
#include "platform/ShellLinks.h"

class Win32ShellLinks : public IShellLinks {
public:
    bool InitializeCom() override;
    void UninitializeCom() override;
    bool Load(const std::string& path, ShortcutFields& fields) override;
    bool Save(const std::string& path, const ShortcutFields& fields) override;
};
