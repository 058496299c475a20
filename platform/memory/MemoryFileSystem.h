#pragma once
// A FAT-like file system in memory: a directory enumerates its entries in the
// order they were created (a deleted and re-created entry goes last); names
// are case-insensitive and case-preserving. It can instead keep entries sorted
// by name, as NTFS does. A device's name (NUL, CON, COM1.lnk...) names the
// device in every directory, as on Windows: writes to it succeed and leave
// nothing behind.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/memory/Faults.h"

class MemoryFileSystem : public IFileSystem {
public:
    MemoryFileSystem(Faults& faults, std::string modulePath, std::string windowsDirectory);
    ~MemoryFileSystem() override;

    // Set-up and inspection for tests. Missing parent directories are created.
    void AddDirectory(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes = "",
                 uint32_t attributes = win::FileAttributeArchive);
    bool Exists(const std::string& path) const;
    std::string Contents(const std::string& path) const;  // raw bytes, CR LF as on disk
    void SetAttributes(const std::string& path, uint32_t attributes);
    // Entry names of a directory in enumeration order.
    std::vector<std::string> Names(const std::string& directory) const;
    // NTFS-like: every directory enumerates sorted by name.
    void SetSortedByName(bool sorted);
    // A system that ignores the manifest's UTF-8 (before Windows 10 1903):
    // the programs run in the ANSI code page, here 1252, and read their
    // files as they are. Otherwise a line that is not UTF-8 is read as 1252.
    bool ansiCodePage = false;
    // A folder only administrators may change (the all-users Startup folder
    // for a standard user): it reads, but nothing in it is written, deleted,
    // renamed or created.
    void DenyWritesUnder(const std::string& folder);

    // IFileSystem
    bool Search(const std::string& pattern, std::vector<FileEntry>& found) override;
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
    bool Remove(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    // RemoveDirectoryA: only an empty directory; for tests.
    bool RemoveEmptyDirectory(const std::string& path);
    bool ReplaceWith(const std::string& from, const std::string& to) override;
    std::unique_ptr<ITextFile> OpenText(const std::string& path, const std::string& mode) override;
    std::string ModulePath() override;
    std::string WindowsDirectory() override;
    // Looks in the program's own folder, the system folders (SYSTEM32, then
    // SYSTEM) and the Windows folder; the memory world has no current folder
    // and no PATH.
    std::string FindProgram(const std::string& name) override;

    // Used by the memory shell links and text files.
    // Creates or overwrites a file; false for a directory, a read-only file or a missing parent.
    bool WriteBytes(const std::string& path, const std::string& bytes);
    bool ReadBytes(const std::string& path, std::string& bytes) const;

private:
    struct Node;
    Node* NodeAt(const std::string& path) const;  // not Lookup: that would hide IFileSystem::Lookup
    Node* ParentOf(const std::string& path, std::string& leaf) const;

    Faults& m_faults;
    std::string m_modulePath;
    std::string m_windowsDirectory;
    std::unique_ptr<Node> m_root;  // holds the drives
    std::vector<std::string> m_readOnlyFolders;
    bool Refused(const std::string& path) const;
    bool m_sortedByName = false;
};
