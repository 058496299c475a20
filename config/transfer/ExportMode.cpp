// OrvaneConfig /export and /import: the configuration as one file, and that
// file taken in on another machine or after a new installation.
#include <memory>
#include <vector>

#include "common/ComScope.h"
#include "common/ExportFile.h"
#include "common/FolderFiles.h"
#include "common/ManagedItems.h"
#include "common/PathHelpers.h"
#include "common/PlaceEntries.h"
#include "common/ProfileStore.h"
#include "common/RegistryValues.h"
#include "common/RunnerSettings.h"
#include "common/StartPlaces.h"
#include "common/StartupFolder.h"
#include "common/TextHelpers.h"
#include "common/WholeFile.h"
#include "config/ConfigPaths.h"
#include "config/transfer/CommandModes.h"
#include "config/transfer/Restore.h"
#include "config/transfer/RestoreMode.h"
#include "config/transfer/Unattended.h"
#include "platform/Console.h"
#include "platform/Platform.h"

namespace {

// The settings live under the program's own name, as the window keeps them.
CProfileStore ProfileOf(Platform& platform) {
    return CProfileStore(platform.registry, settings::kCompanyKey, TitleOf(platform.files.ModulePath()));
}

// The manager's items as they are saved; false when the folder or
// Orvane.ini could not be read (said in messages).
bool ReadManager(IFileSystem& files, const ConfigPaths& paths, IMessageBoxes& messages, std::vector<ManagedItem>& items) {
    std::vector<FileEntry> found;
    if (!ReadFolderIfThere(files, paths.managerDir, found)) {
        messages.Show("The manager directory could not be read:\n" + paths.managerDir, win::MbOk);
        return false;
    }
    return found.empty() || ReadManagedItems(files, found, paths.iniPath, items, &messages, InfoOpen::ReadOnly);
}

ExportedItem ExportOf(IShellLinks& links, const ManagedItem& item) {
    ExportedItem exported{item.file.name, item.fields, true, {}};
    exported.fields.name = item.file.Title();
    exported.shortcut = IsShortcutFile(item.file.name) && links.Load(item.file.path, exported.link);
    if (!exported.shortcut) exported.link = ShortcutFields();
    return exported;
}

// The same item: the same name, and the same command (a file not carried:
// the same file).
bool SameItem(const ExportedItem& a, const ExportedItem& b) {
    if (UpperCopy(a.fields.name) != UpperCopy(b.fields.name) || a.shortcut != b.shortcut) return false;
    if (!a.shortcut) return UpperCopy(a.fileName) == UpperCopy(b.fileName);
    return CommandKey(a.link.target + " " + a.link.arguments) == CommandKey(b.link.target + " " + b.link.arguments);
}

}  // namespace

int ExportWithoutWindow(Platform& platform, IConsole& console, const std::string& file) {
    const ConfigPaths paths = ConfigPathsOf(platform.files);
    UnattendedMessages said;
    std::vector<ManagedItem> items;
    const ComScope com(platform.links);
    ConfigExport config;
    if (ReadManager(platform.files, paths, said, items)) {
        const CProfileStore profile = ProfileOf(platform);
        for (const SettingRange& range : ExportedSettings()) {
            const int value = profile.GetProfileInt(settings::kSection, range.name, range.defaultValue);
            config.settings.push_back({range.name, value < range.lowest || value > range.highest ? range.defaultValue : value});
        }
        for (const ManagedItem& item : items) config.items.push_back(ExportOf(platform.links, item));
        if (WriteWholeFile(platform.files, file, FormatExport(config)) == WholeFile::Written) return ScriptDone;
        said.Show("Error writing " + file, win::MbOk);
    }
    std::string text;
    AddTexts(text, said.said);
    console.Error(text);
    return ScriptFailed;
}

int ImportWithoutWindow(Platform& platform, const std::string& file, bool replace, bool quiet) {
    IFileSystem& files = platform.files;
    const ConfigPaths paths = ConfigPathsOf(files);
    const std::string reportPath = paths.dir + ImportReportName;
    Unattended alone(platform);
    std::vector<std::string>& said = alone.messages.said;
    std::string report, notTaken;
    const auto fail = [&](const std::string& name, const std::string& why) {
        notTaken += "\n" + name;
        report.append(name).append("\n");
        said.push_back(why);
        AddTexts(report, said);
    };

    std::vector<std::string> lines;
    ConfigExport config;
    std::string error;
    if (ReadLines(files, file, lines) != LinesRead::Read) error = "The file could not be read.";
    else ReadExport(lines, config, error);
    std::vector<ManagedItem> items;
    FileEntry entry;
    const std::string managerPath = paths.managerDir.substr(0, paths.managerDir.size() - 1);
    if (error.empty() && !files.Lookup(managerPath, entry) && !files.MakeDirectory(managerPath))
        error = "Could not create the directory " + managerPath;
    if (error.empty() && !ReadManager(files, paths, alone.messages, items)) AddTexts(error, said);
    if (!error.empty()) {
        const std::string outcome = "Nothing was imported from " + file + ":\n" + error;
        WriteReport(files, reportPath, true, outcome + "\n");
        if (!quiet) platform.messages.Show(outcome + "\n\nSee " + reportPath, win::MbIconExclamation);
        return RestoreUnread;
    }

    const ComScope com(platform.links);
    std::vector<ExportedItem> managed;
    for (const ManagedItem& item : items) managed.push_back(ExportOf(platform.links, item));
    // Each item of the file pairs with one managed item at most, in turn.
    std::vector<int> match(config.items.size(), -1);
    std::vector<bool> kept(items.size(), false);
    for (std::size_t i = 0; i < config.items.size(); ++i)
        for (std::size_t m = 0; m < items.size() && match[i] < 0; ++m)
            if (!kept[m] && SameItem(config.items[i], managed[m])) {
                match[i] = static_cast<int>(m);
                kept[m] = true;
            }

    std::vector<ManagerLine> written;  // Orvane.ini's lines, in order
    std::vector<std::string> titles;   // every title the manager holds, in capitals
    const auto keep = [&](std::size_t m) {
        if (items[m].line >= 0) written.push_back(items[m].fields);
        titles.push_back(UpperCopy(items[m].file.Title()));
    };
    if (replace) {
        // What the file does not hold goes back where it came from.
        const StartPlaces places = WindowsStartPlaces(platform.registry, files, UserStartupFolder(platform.registry, files));
        for (std::size_t m = 0; m < items.size(); ++m) {
            if (kept[m]) continue;
            const ItemPlace* origin = places.ForSource(items[m].fields.source);
            if (origin == nullptr) origin = &places.startup;
            if (origin->IsRegistry()) platform.registry.Create(origin->root, origin->path);
            if (RestoreItem(alone.platform, alone.answers, items[m].file.Title(), items[m].file.path, *origin,
                            HasExtraField(items[m].fields, OffField)).result == Restored::Yes && said.empty())
                continue;
            fail(items[m].file.name, "It could not be restored, so it stays in the manager.");
            keep(m);
        }
    } else {
        for (std::size_t m = 0; m < items.size(); ++m) keep(m);
    }

    for (std::size_t i = 0; i < config.items.size(); ++i) {
        const ExportedItem& item = config.items[i];
        if (match[i] >= 0) {
            if (!replace) continue;
            // The file says what its line holds; the item keeps its file.
            ManagerLine line = item.fields;
            line.name = items[match[i]].file.Title();
            if (!FileField(line).empty()) SetFileField(line, items[match[i]].file.name);
            written.push_back(line);
            titles.push_back(UpperCopy(line.name));
            continue;
        }
        if (!item.shortcut) {
            fail(item.fileName, "It is not a shortcut: the export names it but does not carry it.");
            continue;
        }
        // A name taken by another item gets a number: no file is replaced.
        std::string title = item.fields.name;
        const std::string extension = item.fileName.substr(title.size());
        std::vector<FileEntry> there;
        bool free = false;
        for (;;) {
            bool taken = false;
            for (const std::string& held : titles) taken = taken || held == UpperCopy(title);
            there.clear();
            // A folder that cannot be searched may hold the file: nothing is written.
            if (!files.Search(paths.managerDir + title + extension, there)) break;
            free = !taken && there.empty();
            if (free) break;
            title = NextUniqueName(title);
        }
        if (!free || !platform.links.Save(paths.managerDir + title + extension, item.link)) {
            fail(item.fileName, "Error creating shortcut " + paths.managerDir + title + extension);
            continue;
        }
        ManagerLine line = item.fields;
        line.name = title;
        if (!FileField(line).empty()) SetFileField(line, title + extension);
        written.push_back(line);
        titles.push_back(UpperCopy(title));
    }

    bool trouble = !WriteManagerInfo(files, alone.messages, paths.iniPath, written);
    CProfileStore profile = ProfileOf(platform);
    if (replace)
        for (const ExportedSetting& setting : config.settings)
            trouble = !profile.WriteProfileInt(settings::kSection, setting.name, setting.value) || trouble;
    // The runner finds the manager by these, and starts at the user's log-on.
    trouble = !profile.WriteProfileString(settings::kSection, settings::kConfigPath, paths.dir) || trouble;
    trouble = !profile.WriteProfileString(settings::kSection, settings::kIniPath, paths.iniPath) || trouble;
    if (!titles.empty()) {
        std::string runner = paths.dir + settings::kRunnerFile;
        if (runner.find(' ') != std::string::npos) runner = "\"" + runner + "\"";
        platform.registry.Create(RegistryRoot::CurrentUser, settings::kRunKey);
        trouble = !SetRegistryString(platform.registry, RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue, runner) || trouble;
    }
    if (trouble) said.push_back("The settings could not all be written.");
    AddTexts(report, said);

    const int exit = trouble || !notTaken.empty() ? RestoreItemsLeft : RestoreDone;
    std::string outcome = exit == RestoreDone ? "The configuration was imported from " + file + "."
                                              : "Not all of " + file + " could be taken in.";
    WriteReport(files, reportPath, exit != RestoreDone, outcome + "\n" + report);
    if (exit != RestoreDone) outcome += notTaken + "\n\nSee " + reportPath;
    if (!quiet) platform.messages.Show(outcome, exit == RestoreDone ? win::MbOk : win::MbIconExclamation);
    return exit;
}
