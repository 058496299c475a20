// Rewriting a directory's entry order through the Roc directory: every file
// of the list goes out in row order and comes back in the order it went out,
// so each gets a new entry, in row order, on a file system that keeps
// entries in creation order.
#include <set>

#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "config/ConfigDlg.h"
#include "config/ordering/RocRecord.h"
#include "config/transfer/TransferTexts.h"

namespace {

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
        ReportRocLeftovers(messages);
        return;
    }
    bool rocEmpty = true;
    // The manager's order is its lines' order; Windows reads the Startup
    // folder in the file system's own order, so only there can the user's
    // order be lost.
    if (m_bManagerOrderChanged) rocEmpty = ReorderDirectory(m_listManager.paths, m_strManagerDir, false);
    if (m_bStartupOrderChanged) {
        // A manager file left in the Roc directory must neither go into the
        // Windows Startup folder nor be replaced by one of its files.
        if (rocEmpty) ReorderDirectory(m_listStartup.paths, m_strStartupFolder, true);
        else ReportRocLeftovers(messages);
    }
}

bool CConfigDlg::RocDirectoryIsEmpty() {
    for (const FileEntry& entry : m_platform.files.Find(m_strRocDir + "*.*"))
        if (!IsDotEntry(entry)) return false;
    return true;
}

bool CConfigDlg::ReorderDirectory(const std::vector<std::string>& paths, const std::string& directory,
                                  bool reportNameOrder) {
    IFileSystem& files = m_platform.files;
    IMessageBoxes& messages = m_platform.messages;

    // Whatever the program is stopped by, the next start knows where the
    // files in the Roc directory belong.
    if (!WriteRocRecord(files, m_strRocRecord, directory)) {
        messages.Show("File reordering failed.  Refer to Help for solutions.", win::MbOk | win::MbIconExclamation);
        return true;
    }

    // Phase 1: out, in row order.
    std::vector<std::string> placed;  // file names, in the order they went out
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
        placed.push_back(FileNameOf(path));
    }

    // Phase 2: back, always, each file this phase 1 placed, by its own
    // record: a search of the Roc directory could miss some.
    if (!placed.empty()) MarkRocRecordComingBack(files, m_strRocRecord);
    bool allBack = true;
    for (const std::string& name : placed) {
        if (MoveFileConfirmed(files, messages, m_strRocDir + name, directory + name)) continue;
        ReportLeftInRoc(messages, m_strRocDir + name, directory);
        allBack = false;
    }
    if (allBack) files.Remove(m_strRocRecord);

    // A file system that keeps entries sorted by name (NTFS, Wine) ignores
    // the rewrite; the user must not believe the order was stored.
    if (reportNameOrder && wentOut && allBack) {
        std::vector<std::string> rows;
        for (const std::string& name : placed) rows.push_back(UpperCopy(name));
        const std::set<std::string> moved(rows.begin(), rows.end());
        std::vector<std::string> order;
        for (const FileEntry& entry : files.Find(directory + "*.*"))
            if (moved.count(UpperCopy(entry.name)) != 0) order.push_back(UpperCopy(entry.name));
        if (order != rows)
            messages.Show(std::string("The order of the items could not be stored on this drive: its file system keeps ") +
                              "the files of a folder sorted by name.  The items will start in name order.",
                          win::MbOk | win::MbIconExclamation);
    }
    return allBack;
}
