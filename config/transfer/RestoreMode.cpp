#include "config/transfer/RestoreMode.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/ManagedItems.h"
#include "common/ManagerInfo.h"
#include "common/MoveQuestions.h"
#include "common/PathHelpers.h"
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "common/SeenRecord.h"
#include "common/StartupLog.h"
#include "common/TextHelpers.h"
#include "config/ConfigPaths.h"
#include "common/FolderFiles.h"
#include "common/StartPlaces.h"
#include "common/StartupFolder.h"
#include "config/ordering/RocRecord.h"
#include "config/transfer/Restore.h"
#include "config/transfer/Unattended.h"
#include "platform/Platform.h"

int RestoreWithoutWindow(Platform& platform, bool quiet) {
    Unattended alone(platform);
    UnattendedMessages& unattended = alone.messages;
    UnattendedAnswers& answers = alone.answers;
    Platform& quietPlatform = alone.platform;
    IFileSystem& files = platform.files;
    const ConfigPaths paths = ConfigPathsOf(files);
    const std::string& managerDir = paths.managerDir;
    const std::string managerPath = managerDir.substr(0, managerDir.size() - 1);
    const std::string& iniPath = paths.iniPath;
    const std::string& rocRecord = paths.rocRecord;
    const std::string reportPath = paths.dir + RestoreReportName;
    const StartPlaces places = WindowsStartPlaces(platform.registry, files, UserStartupFolder(platform.registry, files));
    FileEntry entry;
    std::string report;

    // Files a killed save left in Roc are managed items too.
    RecoverInterruptedReorder(files, unattended, answers, rocRecord, paths.rocDir);
    bool trouble = files.Lookup(rocRecord, entry);
    AddTexts(report, unattended.said);

    // A manager directory that is not there holds nothing; one that is
    // there but cannot be read must not pass for empty.
    std::vector<FileEntry> found;
    bool read = ReadFolder(files, managerDir, found) || !files.Lookup(managerPath, entry);
    std::vector<ManagedItem> items;
    // Only read: a read-only Orvane.ini holds the origins all the same, and a
    // missing one means none are on record.
    if (read && !found.empty()) read = ReadManagedItems(files, found, iniPath, items, &unattended, InfoOpen::ReadOnly);
    if (!read && unattended.said.empty())
        unattended.Show("The manager directory could not be read:\n" + managerDir, win::MbOk);
    AddTexts(report, unattended.said);

    std::vector<ManagerLine> left;  // the lines of the items that stay
    std::string leftNames;  // one a line
    int back = 0;
    if (read) {
        for (const ManagedItem& item : items) {
            const ManagerLine& line = item.fields;
            const ItemPlace* origin = places.ForSource(line.source);
            // With no origin on record, the Windows Startup folder still starts it.
            if (origin == nullptr) origin = &places.startup;
            // Windows may never have made the key; listing it would have.
            if (origin->IsRegistry()) platform.registry.Create(origin->root, origin->path);
            if (RestoreItem(quietPlatform, answers, item.file.Title(), item.file.path, *origin, HasExtraField(line, OffField))
                    .result == Restored::Yes) {
                ++back;
                // Back, but in another state than it had: said, as an error.
                if (unattended.said.empty()) continue;
                trouble = true;
            } else {
                leftNames += "\n" + item.file.name;
                // An item without a line keeps having none.
                if (item.line >= 0) left.push_back(line);
            }
            report.append(item.file.name).append(", for ");
            report.append(origin->IsRegistry() ? ShownKeyPath(*origin) : origin->path).append("\n");
            AddTexts(report, unattended.said);
        }
        // Without Orvane.ini no item had a line: there is none to keep.
        if (back > 0 && files.Lookup(iniPath, entry) && !WriteManagerInfo(files, unattended, iniPath, left)) trouble = true;
        if (leftNames.empty() && !trouble) {
            // The runner has nothing left to start, and no line needs
            // keeping, nor what it last saw where Windows starts programs,
            // nor the record of its start-ups. The empty folders stay: the
            // package removes them.
            for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine})
                DeleteRegistryValue(platform.registry, root, settings::kRunKey, settings::kRunValue);
            for (const std::string& path : {iniPath, SeenRecordPath(iniPath), StartupLogPath(iniPath)})
                if (files.Lookup(path, entry)) files.Remove(path);
        }
        AddTexts(report, unattended.said);
    }

    const RestoreExit exit = !read ? RestoreUnread : trouble || !leftNames.empty() ? RestoreItemsLeft : RestoreDone;
    std::string outcome = exit == RestoreUnread ? "Nothing was restored."
                          : leftNames.empty()   ? "Every item was restored, with errors."
                                                : "Not all items could be restored. These stay in " + managerDir + ":";
    WriteReport(files, reportPath, exit != RestoreDone, outcome + "\n" + report);
    if (exit == RestoreDone) {
        outcome = back > 0 ? "All items were restored to their original locations."
                           : "There are no items in the manager directory.";
    } else {
        outcome += leftNames + "\n\nSee " + reportPath;
    }
    if (!quiet) platform.messages.Show(outcome, exit == RestoreDone ? win::MbOk : win::MbIconExclamation);
    return exit;
}
