#include "config/ordering/RocRecord.h"

#include <memory>

#include "common/FileMove.h"
#include "common/TextHelpers.h"
#include "config/transfer/TransferTexts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/WinValues.h"

bool WriteRocRecord(IFileSystem& files, const std::string& recordPath, const std::string& directory) {
    std::unique_ptr<ITextFile> record = files.OpenText(recordPath, "w");
    if (!record) return false;
    const bool written = record->Write(directory + "\n");
    return record->Close() && written;
}

void ReportLeftInRoc(IMessageBoxes& messages, const std::string& rocPath, const std::string& directory) {
    messages.Show(rocPath + "\n" + "This file could not be moved back to " + directory + "\n" +
                      "and was left in Orvane's Roc directory.  You must manually return it to where it belongs.\n\n" +
                      InUseAdvice,
                  win::MbOk | win::MbIconExclamation);
}

void RecoverInterruptedReorder(IFileSystem& files, IMessageBoxes& messages, const std::string& recordPath,
                               const std::string& rocDirectory) {
    std::string directory;
    {
        std::unique_ptr<ITextFile> record = files.OpenText(recordPath, "r");
        if (!record) return;
        record->ReadLine(directory);
        record->Close();
    }
    directory = TrimEnd(directory);
    // A record cut short was written before any file left its folder.
    if (directory.empty() || directory.back() != '\\') return;
    int returned = 0;
    bool allBack = true;
    for (const FileEntry& entry : files.Find(rocDirectory + "*.*")) {
        if (entry.IsDirectory()) continue;
        const std::string home = directory + entry.name;
        FileEntry twin;
        const bool back = files.Lookup(home, twin) ? files.Remove(entry.path)
                                                   : MoveFileConfirmed(files, messages, entry.path, home);
        if (back) {
            ++returned;
            continue;
        }
        ReportLeftInRoc(messages, entry.path, directory);
        allBack = false;
    }
    if (!allBack) return;
    files.Remove(recordPath);
    if (returned > 0)
        messages.Show("A save that was interrupted had left " + IntToString(returned) +
                          " files in Orvane's Roc directory.\nThey were put back into " + directory,
                      win::MbOk | win::MbIconExclamation);
}
