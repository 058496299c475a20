#include "common/FolderFiles.h"

#include <algorithm>

bool ReadFolder(IFileSystem& files, const std::string& folder, std::vector<FileEntry>& found) {
    const bool read = files.Search(folder + "*.*", found);
    found.erase(std::remove_if(found.begin(), found.end(), [](const FileEntry& e) { return e.IsDirectory(); }),
                found.end());
    return read;
}

bool ReadFolderIfThere(IFileSystem& files, const std::string& folder, std::vector<FileEntry>& found) {
    FileEntry there;
    return ReadFolder(files, folder, found) || !files.Lookup(folder.substr(0, folder.size() - 1), there);
}
