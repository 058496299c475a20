#pragma once
// The file system through the ANSI calls and the C library's text streams.
#include "platform/FileSystem.h"

class Win32FileSystem : public IFileSystem {
public:
    bool Search(const std::string& pattern, std::vector<FileEntry>& found) override;
    bool Lookup(const std::string& path, FileEntry& entry) override;
    bool Copy(const std::string& from, const std::string& to, bool failIfExists) override;
    bool Remove(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    // RemoveDirectoryA: only an empty directory; for tests.
    bool RemoveEmptyDirectory(const std::string& path);
    bool ReplaceWith(const std::string& from, const std::string& to) override;
    std::unique_ptr<ITextFile> OpenText(const std::string& path, const std::string& mode) override;
    std::string ModulePath() override;
    std::string WindowsDirectory() override;
    std::string FindProgram(const std::string& name) override;
};
