#pragma once
// Shortcuts as files of the memory file system, so that saving one creates a
// directory entry like any other file. Load and Save fail while COM is not
// initialised, as creating the shell-link object does.
#include <vector>

#include "platform/ShellLinks.h"
#include "platform/memory/Faults.h"

class MemoryFileSystem;

class MemoryShellLinks : public IShellLinks {
public:
    MemoryShellLinks(Faults& faults, MemoryFileSystem& files);
    bool InitializeCom() override;
    void UninitializeCom() override;
    bool Load(const std::string& path, ShortcutFields& fields) override;
    bool Save(const std::string& path, const ShortcutFields& fields) override;

    int ComDepth() const { return m_comDepth; }  // initialisations not yet undone
    // The paths of shortcuts an installer made (advertised), as written.
    std::vector<std::string> advertised;

private:
    Faults& m_faults;
    MemoryFileSystem& m_files;
    int m_comDepth = 0;
};
