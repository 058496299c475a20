#pragma once
// Where the configuration keeps its data: beside its own program, so that
// the dialog and the restore mode work on the same files.
#include <string>

class IFileSystem;

struct ConfigPaths {
    std::string dir;         // the program's folder, with its trailing backslash
    std::string managerDir;  // the manager directory, with its trailing backslash
    std::string iniPath;     // Orvane.ini
    std::string rocDir;      // the scratch directory of a reorder, with its trailing backslash
    std::string rocRecord;   // where the files in the Roc directory belong during a reorder
};

ConfigPaths ConfigPathsOf(IFileSystem& files);
