// Rewriting a directory's entry order through the Roc directory: every file
// of the list goes out in row order and comes back in the order it went out,
// so each gets a new entry, in row order, on a file system that keeps
// entries in creation order.
#include <set>

#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/transfer/TransferTexts.h"

namespace {

const char* const LeftoverMessage =
    "Orvane's Roc directory contains files possibly left by a previously\n"
    "failed session.  You must manually return these files to where they belong.\n"
    "Files will not be reordered until this directory is emptied.";

constexpr uint32_t NotNormal = win::FileAttributeReadOnly | win::FileAttributeDirectory | win::FileAttributeSystem |
                               win::FileAttributeHidden;

bool IsDotEntry(const FileEntry& entry) { return entry.name == "." || entry.name == ".."; }

}  // namespace

void CConfigDlg::ReorderFiles() {
    IFileSystem& files = m_platform.files;
    IMessageBoxes& messages = m_platform.messages;
    const std::string roc = m_strRocDir.substr(0, m_strRocDir.size() - 1);
    FileEntry existing;
    if (!files.Lookup(roc, existing) && !files.MakeDirectory(roc)) {
        messages.Show("File reordering failed.  Refer to Help for solutions.", win::MbOk | win::MbIconExclamation);
        return;
    }
    if (!RocDirectoryIsEmpty()) {
        messages.Show(LeftoverMessage, win::MbOk | win::MbIconExclamation);
        return;
    }
    bool orderReported = false;
    bool rocEmpty = true;
    if (m_bManagerOrderChanged) rocEmpty = ReorderDirectory(m_listManager.paths, m_strManagerDir, orderReported);
    if (m_bStartupOrderChanged) {
        // A manager file left in the Roc directory must neither go into the
        // Windows Startup folder nor be replaced by one of its files.
        if (rocEmpty) ReorderDirectory(m_listStartup.paths, m_strStartupFolder, orderReported);
        else messages.Show(LeftoverMessage, win::MbOk | win::MbIconExclamation);
    }
}

bool CConfigDlg::RocDirectoryIsEmpty() {
    for (const FileEntry& entry : m_platform.files.Find(m_strRocDir + "*.*"))
        if (!IsDotEntry(entry)) return false;
    return true;
}

bool CConfigDlg::ReorderDirectory(const std::vector<std::string>& paths, const std::string& directory,
                                  bool& orderReported) {
    IFileSystem& files = m_platform.files;
    IMessageBoxes& messages = m_platform.messages;

    // Phase 1: out, in row order.
    std::set<std::string> placed;  // upper-cased names
    bool wentOut = true;
    for (const std::string& path : paths) {
        FileEntry entry;
        if (!files.Lookup(path, entry)) {
            messages.Show(path + "\n\n" + "This file was found to have been moved from outside this program.\n" +
                              "Files in the same list will not be reordered. Please try again.",
                          win::MbOk | win::MbIconExclamation);
            wentOut = false;
            break;
        }
        if ((entry.attributes & NotNormal) != 0) {
            messages.Show(path + "\n\n" + "This file is read-only or is not a normal file.\n" +
                              "Files in the same list cannot be reordered.",
                          win::MbOk | win::MbIconExclamation);
            wentOut = false;
            break;
        }
        if (!MoveFileConfirmed(files, messages, path, m_strRocDir + FileNameOf(path))) {
            messages.Show(path + "\n" + "Access to this file is denied.\n" + "Files in the same list cannot be reordered.\n\n" +
                              InUseAdvice,
                          win::MbOk);
            wentOut = false;
            break;
        }
        placed.insert(UpperCopy(FileNameOf(path)));
    }

    // Phase 2: back, always, in the order the Roc directory returns them.
    bool allBack = true;
    for (const FileEntry& entry : files.Find(m_strRocDir + "*.*")) {
        if (entry.IsDirectory() || placed.count(UpperCopy(entry.name)) == 0) continue;
        if (MoveFileConfirmed(files, messages, entry.path, directory + entry.name)) continue;
        messages.Show(entry.path + "\n" + "This file could not be moved back to " + directory + "\n" +
                          "and was left in Orvane's Roc directory.  You must manually return it to where it belongs.\n\n" +
                          InUseAdvice,
                      win::MbOk | win::MbIconExclamation);
        allBack = false;
    }

    // A file system that keeps entries sorted by name (NTFS, Wine) ignores
    // the rewrite; the user must not believe the order was stored.
    if (wentOut && allBack && !orderReported) {
        std::vector<std::string> order;
        for (const FileEntry& entry : files.Find(directory + "*.*"))
            if (!entry.IsDirectory() && placed.count(UpperCopy(entry.name)) != 0) order.push_back(UpperCopy(entry.name));
        std::vector<std::string> rows;
        for (const std::string& path : paths) rows.push_back(UpperCopy(FileNameOf(path)));
        if (order != rows) {
            messages.Show(std::string("The order of the items could not be stored on this drive: its file system keeps ") +
                              "the files of a folder sorted by name.  The items will start in name order.",
                          win::MbOk | win::MbIconExclamation);
            orderReported = true;
        }
    }
    return allBack;
}
