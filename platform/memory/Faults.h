#pragma once
// Operations of the memory world that a test makes fail on demand.
#include <initializer_list>
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
    Close,           // fclose of this file written to: the flush fails (a full disk)
    RegistryOpen,    // RegOpenKeyExA of this key path
    RegistryCreate,  // RegCreateKeyExA of this key path
    RegistrySet,     // RegSetValueExA of this value name
    RegistryDelete,  // RegDeleteValueA of this value name
    RegistryEnumerate,  // RegEnumValueA at this value's index
    ComInitialize,
    LinkLoad,
    LinkSave,        // saving a shortcut at this path
    Execute,         // ShellExecute of this file
    Measure,         // any reading or setting of a launched process, its job or the disks
};

class Faults {
public:
    // Makes the operation fail on this path (compared case-insensitively;
    // empty: any path), for the given number of times (-1: always).
    void Add(Fault fault, const std::string& path = "", int times = -1);
    void Clear();
    // From now on, the n-th operation of any kind fails (n from 1), once;
    // 0 stops it. Lets a test fail each step of a command in turn.
    void FailNth(int n);
    // Operations counted since the last FailNth.
    int Operations() const { return m_operations; }
    // True when the operation is to fail now; counts it. An operation that
    // names two paths (a directory and its pattern) is one operation.
    bool Hit(Fault fault, const std::string& path);
    bool Hit(Fault fault, std::initializer_list<std::string> paths);

private:
    struct Entry {
        Fault fault;
        std::string path;
        int remaining;
    };
    std::vector<Entry> m_entries;
    int m_failAt = 0;
    int m_operations = 0;
};
