#pragma once
// The files of a folder, as the lists show them.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The files of the folder (with its trailing backslash) in directory order,
// without its subfolders; false when the folder could not be read.
bool ReadFolder(IFileSystem& files, const std::string& folder, std::vector<FileEntry>& found);
// The same, but a folder that is not there is just empty: false only when
// it is there and cannot be read, which must not pass for empty.
bool ReadFolderIfThere(IFileSystem& files, const std::string& folder, std::vector<FileEntry>& found);
