#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/TextCodes.h"

namespace {

// A line an older version wrote in the system's ANSI code page (the
// system's, whatever code page the program runs in), in UTF-8.
std::string FromSystemCodePage(const std::string& line) {
    DWORD codePage = CP_ACP;
    GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                   reinterpret_cast<LPSTR>(&codePage), sizeof codePage / sizeof(char));
    // A vector rather than a wide string, whose library instantiation would
    // weigh 26 KB in each program.
    const int length = static_cast<int>(line.size());
    std::vector<wchar_t> wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, line.data(), length, nullptr, 0)) + 1);
    const int wides = MultiByteToWideChar(codePage, 0, line.data(), length, wide.data(), static_cast<int>(wide.size()));
    std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), wides, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wides, &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

// A stream of fopen in text mode. Close reports a failed write as well, so
// that a caller checking either learns of it.
class Win32TextFile : public ITextFile {
public:
    explicit Win32TextFile(FILE* file) : m_file(file) {}
    ~Win32TextFile() override {
        if (m_file) std::fclose(m_file);
    }

    // fgets in pieces until the line's end, so a long line is never split.
    bool ReadLine(std::string& line) override {
        if (!m_file) return false;
        std::string read;
        char piece[256];
        while (std::fgets(piece, sizeof piece, m_file)) {
            read += piece;
            if (!read.empty() && read.back() == '\n') break;
        }
        if (read.empty()) return false;
        // The programs' texts are UTF-8 where the system follows their
        // manifest; a line that is not was written before, in ANSI.
        line = GetACP() == CP_UTF8 && !IsUtf8(read) ? FromSystemCodePage(read) : read;
        return true;
    }

    bool Write(const std::string& text) override {
        return m_file && std::fputs(text.c_str(), m_file) >= 0;
    }

    bool Close() override {
        if (!m_file) return false;
        const bool clean = std::ferror(m_file) == 0;
        const bool closed = std::fclose(m_file) == 0;
        m_file = nullptr;
        return clean && closed;
    }

private:
    FILE* m_file;
};

// A system call that fills a buffer of a given size and answers the length
// it needed, read whole whatever that length is.
template <typename Call>
std::string ReadWhole(Call call) {
    std::string text(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = call(&text[0], static_cast<DWORD>(text.size()));
        if (length == 0) return std::string();
        if (length < text.size()) return text.substr(0, length);
        text.assign(text.size() * 2, '\0');
    }
}

}  // namespace

// "." and ".." are left out, as the memory file system never has them.
bool Win32FileSystem::Search(const std::string& pattern, std::vector<FileEntry>& found) {
    found.clear();
    const std::string::size_type slash = pattern.find_last_of("\\/:");
    const std::string directory = slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    }
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        found.push_back({name, directory + name, data.dwFileAttributes});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return true;
}

// Asked of the file itself, not by a search of its folder: a search costs
// in proportion to the folder's size under Wine, and a move asks twice.
bool Win32FileSystem::Lookup(const std::string& path, FileEntry& entry) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.find_first_of("*?") != std::string::npos ||
        !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    const std::string::size_type slash = path.find_last_of("\\/:");
    entry.name = slash == std::string::npos ? path : path.substr(slash + 1);
    entry.path = path;
    entry.attributes = data.dwFileAttributes;
    return true;
}

bool Win32FileSystem::Copy(const std::string& from, const std::string& to, bool failIfExists) {
    return CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32FileSystem::Remove(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveEmptyDirectory(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool Win32FileSystem::ReplaceWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Text mode is asked for explicitly, whatever the program's default mode.
std::unique_ptr<ITextFile> Win32FileSystem::OpenText(const std::string& path, const std::string& mode) {
    const std::string textMode = mode.find_first_of("bt") == std::string::npos ? mode + "t" : mode;
    FILE* file = std::fopen(path.c_str(), textMode.c_str());
    if (!file) return nullptr;
    return std::make_unique<Win32TextFile>(file);
}

std::string Win32FileSystem::ModulePath() {
    return ReadWhole([](char* buffer, DWORD size) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer, size);
        return length >= size ? size : length;  // cut short: ask again with more room
    });
}

std::string Win32FileSystem::WindowsDirectory() {
    return ReadWhole([](char* buffer, DWORD size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string Win32FileSystem::FindProgram(const std::string& name) {
    return ReadWhole([&name](char* buffer, DWORD size) {
        return SearchPathA(nullptr, name.c_str(), ".exe", size, buffer, nullptr);
    });
}
