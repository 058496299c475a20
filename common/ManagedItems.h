#pragma once
// The managed items as both programs list them: each file of the manager
// folder with the fields of its Orvane.ini line, in the order saved.
#include <string>
#include <vector>

#include "common/ManagerInfo.h"

class IMessageBoxes;

struct ManagedItem {
    FileEntry file;      // its name, path and title
    ManagerLine fields;  // named by the file's title; without a line, no source, extras or wait
    int line = -1;       // the line's position among the file's lines; -1: none
};

// Items of the files given (the folder as its reader found them): those with
// a line in the order of their lines, then the others in the folder's order.
// Read as the runner does ("r", silently), or, given boxes, as the
// configuration does: a failure is shown, and open says whether a missing
// file is made ("a+", the dialog) or means no lines (the restore).
// False when Orvane.ini could not be opened: no item then has a line.
bool ReadManagedItems(IFileSystem& files, const std::vector<FileEntry>& folder, const std::string& iniPath,
                      std::vector<ManagedItem>& items, IMessageBoxes* configuration = nullptr,
                      InfoOpen open = InfoOpen::Append);
