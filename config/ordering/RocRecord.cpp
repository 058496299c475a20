#include "config/ordering/RocRecord.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/FileMove.h"
#include "common/TextHelpers.h"
#include "config/InUseAdvice.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

bool WriteRocRecord(IFileSystem& files, const std::string& recordPath, const std::string& directory) {
    std::unique_ptr<ITextFile> record = files.OpenText(recordPath, "w");
    if (!record) return false;
    const bool written = record->Write(directory + "\n");
    return record->Close() && written;
}

// Appended, so that the folder's line stays whole whenever the program stops;
// it is written before the first file comes back.
void MarkRocRecordComingBack(IFileSystem& files, const std::string& recordPath) {
    if (std::unique_ptr<ITextFile> record = files.OpenText(recordPath, "a")) {
        record->Write(std::string(kComingBack) + "\n");
        record->Close();
    }
}

void ReportRocLeftovers(IMessageBoxes& messages) {
    messages.Show("Orvane's Roc directory contains files possibly left by a previously\n"
                  "failed session.  You must manually return these files to where they belong.\n"
                  "Files will not be reordered until this directory is emptied.",
                  win::MbOk | win::MbIconExclamation);
}

void ReportLeftInRoc(IMessageBoxes& messages, const std::string& rocPath, const std::string& directory) {
    messages.Show(rocPath + "\n" + "This file could not be moved back to " + directory + "\n" +
                      "and was left in Orvane's Roc directory.  You must manually return it to where it belongs.\n\n" +
                      InUseAdvice,
                  win::MbOk | win::MbIconExclamation);
}

void RecoverInterruptedReorder(IFileSystem& files, IMessageBoxes& messages, MoveQuestions& questions, const std::string& recordPath,
                               const std::string& rocDirectory) {
    std::string directory, phase;
    if (std::unique_ptr<ITextFile> record = files.OpenText(recordPath, "r")) {
        record->ReadLine(directory);
        record->ReadLine(phase);
        record->Close();
    }
    directory = TrimEnd(directory);
    // Stopped in the middle of a copy, the copy is cut short: going out, the
    // folder's file is the whole one; coming back, the Roc file is.
    const bool comingBack = TrimEnd(phase) == kComingBack;
    std::vector<FileEntry> left;
    if (!files.Search(rocDirectory + "*.*", left)) {
        // Missing, it holds nothing; there but unreadable, it may.
        FileEntry roc;
        if (files.Lookup(rocDirectory.substr(0, rocDirectory.size() - 1), roc)) ReportRocLeftovers(messages);
        return;
    }
    left.erase(std::remove_if(left.begin(), left.end(), [](const FileEntry& e) { return e.IsDirectory(); }), left.end());
    // A record cut short was written before any file left its folder.
    if (left.empty()) {
        files.Remove(recordPath);
        return;
    }
    if (directory.size() < 2 || directory.back() != '\\') {
        ReportRocLeftovers(messages);
        return;
    }
    int returned = 0;
    bool allBack = true;
    for (const FileEntry& entry : left) {
        const std::string home = directory + entry.name;
        FileEntry twin;
        bool back;
        if (!files.Lookup(home, twin)) back = MoveFileConfirmed(files, questions, entry.path, home);
        else if (comingBack) back = files.Copy(entry.path, home, false) && files.Remove(entry.path);
        else back = files.Remove(entry.path);
        if (back) {
            ++returned;
            continue;
        }
        ReportLeftInRoc(messages, entry.path, directory);
        allBack = false;
    }
    if (!allBack) return;
    files.Remove(recordPath);
    messages.Show("A save that was interrupted had left " + IntToString(returned) +
                      " files in Orvane's Roc directory.\nThey were put back into " + directory,
                  win::MbOk | win::MbIconExclamation);
}
