#pragma once
// Files as the programs see them: directory search in the file system's own
// entry order, single-file copy and delete, directories, and line-based text
// files opened the way the C library's fopen does.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinValues.h"

struct FileEntry {
    std::string name;        // as the file system spells it, e.g. "Mail.lnk"
    std::string path;        // full path: searched directory + name
    uint32_t attributes = 0; // win::FileAttribute* bits

    bool IsDirectory() const { return (attributes & win::FileAttributeDirectory) != 0; }
    bool IsReadOnly() const { return (attributes & win::FileAttributeReadOnly) != 0; }
    // The name without its extension (text before the last dot).
    std::string Title() const;
};

// Whether Windows reads a file name (no directory) as a device: CON, PRN,
// AUX, NUL, COM1-COM9 or LPT1-LPT9 in any letter case, before the first dot
// and any blanks ("nul", "Com1.lnk", "LPT1 .txt"). Such a name opens the
// device: nothing written to it reaches a file.
bool NamesDevice(const std::string& fileName);

// A text file opened in text mode: CR LF on disk, one '\n' in memory.
class ITextFile {
public:
    virtual ~ITextFile() = default;
    // Reads one whole line, with its '\n' when the line has one. False at end.
    virtual bool ReadLine(std::string& line) = 0;
    // Writes the text; false when the write failed.
    virtual bool Write(const std::string& text) = 0;
    // Flushes and closes; false when data could not be written out.
    virtual bool Close() = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Entries matching a pattern ("C:\\DIR\\*.*", or an exact path), in
    // enumeration order, never "." or "..". True when the directory could be
    // searched, even if nothing matches; false when it is missing or cannot
    // be read.
    virtual bool Search(const std::string& pattern, std::vector<FileEntry>& found) = 0;
    // Search, where a directory that cannot be read counts as empty.
    std::vector<FileEntry> Find(const std::string& pattern);
    // Whether a file or directory exists, and its attributes; the entry's
    // name and path are the path's own, in the case it gives.
    virtual bool Lookup(const std::string& path, FileEntry& entry);
    // CopyFileA.
    virtual bool Copy(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // DeleteFileA.
    virtual bool Remove(const std::string& path) = 0;
    // CreateDirectoryA / _mkdir.
    virtual bool MakeDirectory(const std::string& path) = 0;
    // Puts a finished file in place of another in one step (MoveFileExA with
    // replace-existing); false leaves both as they were.
    virtual bool ReplaceWith(const std::string& from, const std::string& to) = 0;
    // fopen with "r", "w", "w+", "a+": null when it cannot be opened.
    virtual std::unique_ptr<ITextFile> OpenText(const std::string& path, const std::string& mode) = 0;
    // Full path of the running program's own file.
    virtual std::string ModulePath() = 0;
    // GetWindowsDirectoryA, as the system gives it (no trailing backslash
    // except at a drive root).
    virtual std::string WindowsDirectory() = 0;
    // SearchPathA for a program named without its folder ("RUNDLL32",
    // "notepad.exe"; ".exe" added to a name without an extension): the full
    // path of the file Windows would start, or empty when there is none.
    virtual std::string FindProgram(const std::string& name) = 0;
};
