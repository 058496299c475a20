#include "config/transfer/RestoreMode.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "common/ManagerInfo.h"
#include "common/PathHelpers.h"
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "common/TextHelpers.h"
#include "config/FolderFiles.h"
#include "config/StartPlaces.h"
#include "config/StartupFolder.h"
#include "config/ordering/RocRecord.h"
#include "config/transfer/Restore.h"
#include "platform/Platform.h"

RestoreSwitches ReadRestoreSwitches(const std::string& commandLine) {
    RestoreSwitches switches;
    std::size_t at = 0;
    while (at < commandLine.size()) {
        const std::size_t end = std::min(commandLine.find_first_of(" \t", at), commandLine.size());
        const std::string word = UpperCopy(commandLine.substr(at, end - at));
        if (word == "/RESTORE" || word == "-RESTORE") switches.restore = true;
        if (word == "/QUIET" || word == "-QUIET") switches.quiet = true;
        at = end + 1;
    }
    return switches;
}

namespace {

// Nobody is there to answer: every question gets No, which leaves the item
// where it is, and every text is kept for the report.
class UnattendedMessages : public IMessageBoxes {
public:
    int Show(const std::string& text, unsigned style) override {
        said.push_back(text);
        const unsigned buttons = style & 0xF;
        return buttons == win::MbYesNo || buttons == win::MbYesNoCancel ? win::IdNo : win::IdOk;
    }
    std::vector<std::string> said;
};

std::string PlaceName(const ItemPlace& place) {
    return place.IsRegistry() ? std::string(RootName(place.root)) + "\\" + place.path : place.path;
}

// What the boxes would have said, each line indented under its item.
void AddTexts(std::string& report, std::vector<std::string>& said) {
    for (const std::string& text : said) {
        std::size_t at = 0;
        while (at <= text.size()) {
            const std::size_t end = std::min(text.find('\n', at), text.size());
            if (end > at) report += "    " + text.substr(at, end - at) + "\n";
            at = end + 1;
        }
    }
    said.clear();
}

std::string Summary(RestoreExit exit, int back, const std::vector<std::string>& leftNames, const std::string& reportPath) {
    if (exit == RestoreDone)
        return back > 0 ? "All items were restored to their original locations."
                        : "There are no items in the manager directory.";
    if (exit == RestoreUnread) return "Nothing was restored: the managed items could not be read.\n\nSee " + reportPath;
    std::string text = leftNames.empty() ? std::string("The items were restored, with errors.")
                                         : "Not all items could be restored. These stay in the manager directory:\n";
    for (const std::string& name : leftNames) text += "\n" + name;
    return text + "\n\nSee " + reportPath;
}

}  // namespace

int RestoreWithoutWindow(Platform& platform, bool quiet) {
    UnattendedMessages unattended;
    Platform quietPlatform{platform.files,    platform.registry, platform.links,  platform.shell,
                           platform.clock,    platform.keyboard, platform.screen, unattended};
    IFileSystem& files = platform.files;
    const std::string modulePath = files.ModulePath();
    const std::string dir = modulePath.substr(0, modulePath.rfind('\\') + 1);
    const std::string managerDir = dir + "Startup\\";
    const std::string iniPath = dir + "Orvane.ini";
    const std::string rocRecord = dir + "Orvane.roc";
    const std::string reportPath = dir + RestoreReportName;
    const StartPlaces places = WindowsStartPlaces(UserStartupFolder(platform.registry, files));
    FileEntry entry;
    std::string report;

    // Files a killed save left in Roc are managed items too.
    RecoverInterruptedReorder(files, unattended, rocRecord, dir + "Roc\\");
    bool trouble = files.Lookup(rocRecord, entry);
    AddTexts(report, unattended.said);

    // A manager directory that is not there holds nothing; one that is
    // there but cannot be read must not pass for empty.
    std::vector<FileEntry> found;
    const std::string managerPath = managerDir.substr(0, managerDir.size() - 1);
    bool read = ReadFolder(files, managerDir, found) || !files.Lookup(managerPath, entry);
    std::vector<std::string> names, fileNames;
    for (const FileEntry& file : found) {
        names.push_back(file.Title());
        fileNames.push_back(file.name);
    }
    std::vector<PairedItem> items;
    if (read && !names.empty()) read = ReadManagerInfoFor(files, unattended, iniPath, names, items, fileNames);
    if (!read && unattended.said.empty())
        unattended.Show("The manager directory could not be read:\n" + managerDir, win::MbOk);
    AddTexts(report, unattended.said);

    std::vector<ManagerLine> left;  // the lines of the items that stay
    std::vector<std::string> leftNames;
    int back = 0;
    if (read) {
        for (std::size_t item : ManagerOrder(items)) {
            const ManagerLine& line = items[item].fields;
            const ItemPlace* origin = places.ForSource(line.source);
            // With no origin on record, the Windows Startup folder still starts it.
            if (origin == nullptr) origin = &places.startup;
            // Windows may never have made the key; listing it would have.
            if (origin->IsRegistry()) platform.registry.Create(origin->root, origin->path);
            const RestoreStep step = RestoreItem(quietPlatform, names[item], found[item].path, *origin);
            if (step.result == Restored::Yes) {
                ++back;
                unattended.said.clear();
                continue;
            }
            // An item without a line keeps having none.
            if (items[item].line >= 0) left.push_back(line);
            leftNames.push_back(found[item].name);
            report += found[item].name + ", for " + PlaceName(*origin) + "\n";
            AddTexts(report, unattended.said);
        }
        if (back > 0 && !WriteManagerInfo(files, unattended, iniPath, left)) trouble = true;
        if (leftNames.empty() && !trouble) {
            // The runner has nothing left to start, and no line needs
            // keeping. The empty folders stay: the package removes them.
            DeleteRegistryValue(platform.registry, RegistryRoot::LocalMachine, settings::kRunKey, settings::kRunValue);
            if (files.Lookup(iniPath, entry)) files.Remove(iniPath);
        }
        AddTexts(report, unattended.said);
    }

    const RestoreExit exit = !read ? RestoreUnread : trouble || !leftNames.empty() ? RestoreItemsLeft : RestoreDone;
    if (exit == RestoreDone) {
        if (files.Lookup(reportPath, entry)) files.Remove(reportPath);
    } else {
        const std::string heading = exit == RestoreUnread ? "Nothing was restored.\n"
                                    : leftNames.empty()     ? "Every item was restored, with errors.\n"
                                                            : "What could not be restored stays in " + managerDir + "\n";
        std::unique_ptr<ITextFile> file = files.OpenText(reportPath, "w");
        if (file) file->Write(heading + report);
        if (file) file->Close();
    }
    if (!quiet)
        platform.messages.Show(Summary(exit, back, leftNames, reportPath),
                               exit == RestoreDone ? win::MbOk : win::MbIconExclamation);
    return exit;
}
