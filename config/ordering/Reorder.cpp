#include "config/ordering/Reorder.h"

#include <unordered_map>

#include "common/FileMove.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"
#include "config/ordering/RocRecord.h"
#include "config/InUseAdvice.h"

namespace {

constexpr uint32_t NotNormal = win::FileAttributeReadOnly | win::FileAttributeDirectory | win::FileAttributeSystem |
                               win::FileAttributeHidden;

bool IsDotEntry(const FileEntry& entry) { return entry.name == "." || entry.name == ".."; }

}  // namespace

void ReorderDirectories(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const RocPaths& roc,
                        const std::vector<ReorderJob>& jobs) {
    if (jobs.empty()) return;
    const std::string rocFolder = roc.directory.substr(0, roc.directory.size() - 1);
    FileEntry existing;
    if (!files.Lookup(rocFolder, existing) && !files.MakeDirectory(rocFolder)) {
        messages.Show("File reordering failed.  Refer to Help for solutions.", win::MbOk | win::MbIconExclamation);
        return;
    }
    if (!RocDirectoryIsEmpty(files, roc.directory)) {
        ReportRocLeftovers(messages);
        return;
    }
    for (const ReorderJob& job : jobs) {
        if (!ReorderDirectory(files, messages, questions, roc, job)) {
            // What the next job would find in the Roc directory is not its own.
            if (&job != &jobs.back()) ReportRocLeftovers(messages);
            return;
        }
    }
}

bool RocDirectoryIsEmpty(IFileSystem& files, const std::string& rocDirectory) {
    for (const FileEntry& entry : files.Find(rocDirectory + "*.*"))
        if (!IsDotEntry(entry)) return false;
    return true;
}

bool ReorderDirectory(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const RocPaths& roc, const ReorderJob& job) {
    const std::vector<std::string>& paths = job.paths;
    const std::string& directory = job.directory;

    // Whatever the program is stopped by, the next start knows where the
    // files in the Roc directory belong.
    if (!WriteRocRecord(files, roc.record, directory)) {
        messages.Show("File reordering failed.  Refer to Help for solutions.", win::MbOk | win::MbIconExclamation);
        return true;
    }

    // One search of the folder tells each file's attributes: a look-up per
    // file costs about as much as its move. Without it, each is looked up.
    std::vector<FileEntry> found;
    const bool searched = files.Search(directory + "*.*", found);
    std::unordered_map<std::string, std::size_t> attributesByName;
    for (const FileEntry& entry : found) attributesByName[UpperCopy(entry.name)] = entry.attributes;
    const auto lookUp = [&](const std::string& path, FileEntry& entry) {
        if (!searched) return files.Lookup(path, entry);
        const auto known = attributesByName.find(UpperCopy(FileNameOf(path)));
        if (known == attributesByName.end()) return false;
        entry.attributes = known->second;
        return true;
    };

    // Phase 1: out, in row order.
    std::vector<std::string> placed;  // file names, in the order they went out
    bool wentOut = true;
    for (const std::string& path : paths) {
        FileEntry entry;
        if (!lookUp(path, entry)) {
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
        if (!MoveCheckedFile(files, questions, path, roc.directory + FileNameOf(path))) {
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
    if (!placed.empty()) MarkRocRecordComingBack(files, roc.record);
    bool allBack = true;
    for (const std::string& name : placed) {
        // Each went out a normal file, and its copy in the Roc directory is one.
        if (MoveCheckedFile(files, questions, roc.directory + name, directory + name)) continue;
        ReportLeftInRoc(messages, roc.directory + name, directory);
        allBack = false;
    }
    if (allBack) files.Remove(roc.record);

    // A file system that keeps entries sorted by name (NTFS, Wine) ignores
    // the rewrite; the user must not believe the order was stored.
    if (job.reportNameOrder && wentOut && allBack) {
        std::vector<std::string> rows;
        for (const std::string& name : placed) rows.push_back(UpperCopy(name));
        std::unordered_map<std::string, std::size_t> moved;
        for (const std::string& name : rows) moved[name] = 1;
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
