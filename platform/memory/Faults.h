#pragma once
// Operations of the memory world that a test makes fail on demand.
#include <string>
#include <vector>

enum class Fault {
    Find,            // a directory cannot be searched (its path, or the whole pattern)
    Copy,            // CopyFileA to this destination
    Remove,          // DeleteFileA of this path (a file in use)
    MakeDirectory,
    RemoveDirectory,
    Replace,         // putting a finished file in place (the path replaced)
    Open,            // fopen of this path
    Write,           // a write to this file
    RegistryOpen,    // RegOpenKeyExA of this key path
    RegistryCreate,  // RegCreateKeyExA of this key path
    RegistrySet,     // RegSetValueExA of this value name
    RegistryDelete,  // RegDeleteValueA of this value name
    ComInitialize,
    LinkLoad,
    LinkSave,        // saving a shortcut at this path
    Execute,         // ShellExecute of this file
};

class Faults {
public:
    // Makes the operation fail on this path (compared case-insensitively;
    // empty: any path), for the given number of times (-1: always).
    void Add(Fault fault, const std::string& path = "", int times = -1);
    void Clear();
    // True when the operation on this path is to fail now; counts it.
    bool Hit(Fault fault, const std::string& path);

private:
    struct Entry {
        Fault fault;
        std::string path;
        int remaining;
    };
    std::vector<Entry> m_entries;
};
