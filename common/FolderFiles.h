#pragma once
// The files of a folder, as the lists show them.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The files of the folder (with its trailing backslash) in directory order,
// without its subfolders; false when the folder could not be read.
bool ReadFolder(IFileSystem& files, const std::string& folder, std::vector<FileEntry>& found);
