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

// What an export says of a managed item.
void ExportOf(IShellLinks& links, const ManagedItem& item, ExportedItem& exported) {
    exported.fileName = item.file.name;
    exported.fields = item.fields;
    exported.fields.name = item.file.Title();
    exported.shortcut = IsShortcutFile(item.file.name) && links.Load(item.file.path, exported.link);
}

// What tells an item: its name and its command, or a file's name.
std::string ItemKey(const std::string& name, const std::string& command, const std::string& fileName) {
    return UpperCopy(name) + "\n" + (command.empty() ? UpperCopy(fileName) : command);
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
        for (int i = 0; i < kExportedSettingCount; ++i) {
            const settings::IdleRange& range = kExportedSettings[i];
            const int value = profile.GetProfileInt(settings::kSection, range.name, range.defaultValue);
            config.settings[i] = value < range.lowest || value > range.highest ? range.defaultValue : value;
        }
        for (const ManagedItem& item : items) {
            config.items.emplace_back();
            ExportOf(platform.links, item, config.items.back());
        }
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
    const auto NotTaken = [&](const std::string& name, const char* why) {
        notTaken.append("\n").append(name);
        report.append(name).append(": ").append(why).append("\n");
    };

    std::vector<std::string> lines;
    ConfigExport config;
    std::string error = "The file could not be read.";
    std::vector<ManagedItem> items;
    FileEntry entry;
    const std::string managerPath = paths.managerDir.substr(0, paths.managerDir.size() - 1);
    if (ReadLines(files, file, lines) == LinesRead::Read && ReadExport(lines, config, error)) {
        error.clear();
        if (!files.Lookup(managerPath, entry)) files.MakeDirectory(managerPath);
        if (!ReadManager(files, paths, alone.messages, items)) AddTexts(error, said);
    }
    int exit = error.empty() ? RestoreDone : RestoreUnread;
    std::vector<ManagerLine> written;  // Orvane.ini's lines, in order
    std::vector<std::string> titles;   // every title the manager holds, in capitals
    const ComScope com(platform.links);
    // Each item of the file pairs with one managed item at most, in turn:
    // the same name and command (a file not carried: the same file).
    std::vector<std::string> keys;
    for (const ManagedItem& item : items)
        keys.push_back(ItemKey(item.file.Title(), ShortcutCommandKey(platform.links, item.file.path), item.file.name));
    const StartPlaces places = WindowsStartPlaces(platform.registry, files, UserStartupFolder(platform.registry, files));
    // The managed items: all kept, before the file's; or with /replace,
    // those the file does not hold sent back where they came from first,
    // and any that could not go kept after the file's.
    const auto rest = [&](bool all, bool send) {
        for (std::size_t m = 0; m < items.size(); ++m) {
            const ManagedItem& item = items[m];
            if (!all && keys[m].empty()) continue;
            if (send) {
                const ItemPlace* origin = places.ForSource(item.fields.source);
                if (origin == nullptr) origin = &places.startup;
                if (origin->IsRegistry()) platform.registry.Create(origin->root, origin->path);
                if (RestoreItem(alone.platform, alone.answers, item.file.Title(), item.file.path, *origin,
                                HasExtraField(item.fields, OffField)).result == Restored::Yes && said.empty()) {
                    keys[m].clear();
                    continue;
                }
                NotTaken(item.file.name, "it could not be restored, so it stays in the manager.");
                titles.push_back(UpperCopy(item.file.Title()));
            } else {
                if (item.line >= 0) written.push_back(item.fields);
                if (all) titles.push_back(UpperCopy(item.file.Title()));
            }
        }
    };
    std::vector<std::size_t> match;  // each of the file's items' managed item, or none (items.size())
    for (const ExportedItem& item : config.items) {
        std::size_t m = 0;
        const std::string key = ItemKey(item.fields.name, item.shortcut ? CommandKey(item.link.target + " " + item.link.arguments) : "", item.fileName);
        while (m < keys.size() && keys[m] != key) ++m;
        if (m < keys.size()) keys[m].clear();
        match.push_back(m);
    }
    if (exit == RestoreDone) rest(!replace, replace);
    for (std::size_t i = 0; exit == RestoreDone && i < config.items.size(); ++i) {
        const ExportedItem& item = config.items[i];
        ManagerLine line = item.fields;
        std::string& title = line.name;
        const std::string extension = item.fileName.substr(title.size());
        const std::size_t m = match[i];
        if (m < items.size()) {
            if (!replace) continue;
            // The file says what its line holds; the item keeps its file.
            title = items[m].file.Title();
            if (!FileField(line).empty()) SetFileField(line, items[m].file.name);
        } else if (!item.shortcut) {
            NotTaken(item.fileName, "it is not a shortcut, so the export names it but does not carry it.");
            continue;
        } else {
            // A name another item has gets a number: no file is replaced.
            std::vector<FileEntry> there;
            bool free = false;
            while (files.Search(paths.managerDir + title + extension, there) && !free) {
                free = there.empty();
                for (const std::string& held : titles) free = free && held != UpperCopy(title);
                if (!free) title = NextUniqueName(title);
            }
            if (!free || !platform.links.Save(paths.managerDir + title + extension, item.link)) {
                NotTaken(item.fileName, "its shortcut could not be made in the manager.");
                continue;
            }
            if (!FileField(line).empty()) SetFileField(line, title + extension);
        }
        written.push_back(line);
        titles.push_back(UpperCopy(title));
    }
    if (exit == RestoreDone && replace) rest(false, false);

    if (exit == RestoreDone) {
        CProfileStore profile = ProfileOf(platform);
        bool stored = WriteManagerInfo(files, alone.messages, paths.iniPath, written);
        for (int i = 0; replace && i < kExportedSettingCount; ++i)
            stored = profile.WriteProfileInt(settings::kSection, kExportedSettings[i].name, config.settings[i]) && stored;
        // The runner finds the manager by these, and starts at the user's log-on.
        stored = profile.WriteProfileString(settings::kSection, settings::kConfigPath, paths.dir) && stored;
        stored = profile.WriteProfileString(settings::kSection, settings::kIniPath, paths.iniPath) && stored;
        std::string runner = paths.dir + settings::kRunnerFile;
        if (runner.find(' ') != std::string::npos) runner = "\"" + runner + "\"";
        platform.registry.Create(RegistryRoot::CurrentUser, settings::kRunKey);
        if (!titles.empty())
            stored = SetRegistryString(platform.registry, RegistryRoot::CurrentUser, settings::kRunKey, settings::kRunValue, runner) && stored;
        if (!stored) said.push_back("The settings could not all be written.");
        AddTexts(report, said);
        if (!stored || !notTaken.empty()) exit = RestoreItemsLeft;
    }

    std::string outcome = exit == RestoreDone    ? "The configuration was imported from " + file + "."
                          : exit == RestoreUnread ? "Nothing was imported from " + file + ":\n" + error
                                                  : "Not all of " + file + " could be taken in.";
    WriteReport(files, reportPath, exit != RestoreDone, outcome + "\n" + report);
    if (exit != RestoreDone) outcome += notTaken + "\n\nSee " + reportPath;
    if (!quiet) platform.messages.Show(outcome, exit == RestoreDone ? win::MbOk : win::MbIconExclamation);
    return exit;
}
