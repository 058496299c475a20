#include "config/transfer/CommandModes.h"

#include <memory>
#include <vector>

#include "common/ComScope.h"
#include "common/Csv.h"
#include "common/ManagerInfo.h"
#include "common/FolderFiles.h"
#include "common/ManagedItems.h"
#include "common/PlaceEntries.h"
#include "common/StartPlaces.h"
#include "common/StartupApproved.h"
#include "common/StartupFolder.h"
#include "common/StartupLog.h"
#include "common/TextHelpers.h"
#include "config/ConfigPaths.h"
#include "config/transfer/RegistryTransfer.h"
#include "config/transfer/RestoreMode.h"
#include "config/transfer/Unattended.h"
#include "platform/Console.h"
#include "platform/Platform.h"

ConfigSwitches ReadConfigSwitches(const std::string& commandLine) {
    ConfigSwitches switches;
    bool unusable = false, files = false;
    for (std::size_t at = 0; at < commandLine.size();) {
        if (commandLine[at] == ' ' || commandLine[at] == '\t') {
            ++at;
            continue;
        }
        // Quotes only group, as the system's own reading of a command line has it.
        std::string word;
        bool quoted = false, inQuotes = false;
        for (; at < commandLine.size() && (inQuotes || (commandLine[at] != ' ' && commandLine[at] != '\t')); ++at) {
            if (commandLine[at] == '"') {
                inQuotes = !inQuotes;
                quoted = true;
            } else {
                word += commandLine[at];
            }
        }
        const std::string upper = UpperCopy(word);
        if (quoted || word.empty() || (word[0] != '/' && word[0] != '-')) {
            unusable = unusable || files;
            switches.file = word;
            files = true;
            continue;
        }
        const std::string name = upper.substr(1);
        static const char* const kModes[] = {"RESTORE", "LIST", "EXPORT", "IMPORT"};
        bool known = name == "QUIET" || name == "REPLACE";
        switches.quiet = switches.quiet || name == "QUIET";
        switches.replace = switches.replace || name == "REPLACE";
        for (int mode = 0; mode < 4; ++mode) {
            if (name != kModes[mode]) continue;
            known = true;
            unusable = unusable || switches.mode != ConfigMode::Window;
            switches.mode = static_cast<ConfigMode>(mode + 1);
        }
        unusable = unusable || !known;
    }
    const ConfigMode mode = switches.mode;
    if (mode == ConfigMode::Window) return ConfigSwitches();
    if (files && mode == ConfigMode::Restore) unusable = true;
    if (!files && (mode == ConfigMode::Export || mode == ConfigMode::Import)) unusable = true;
    if (switches.replace && mode != ConfigMode::Import) unusable = true;
    if (unusable) switches.mode = ConfigMode::Unusable;
    return switches;
}

int RunConfigMode(Platform& platform, IConsole& console, const ConfigSwitches& switches) {
    switch (switches.mode) {
    case ConfigMode::Restore:
        return RestoreWithoutWindow(platform, switches.quiet);
    case ConfigMode::List:
        return ListWithoutWindow(platform, console, switches.file);
    case ConfigMode::Export:
        return ExportWithoutWindow(platform, console, switches.file);
    case ConfigMode::Import:
        return ImportWithoutWindow(platform, switches.file, switches.replace, switches.quiet);
    default:
        console.Error("Usage: OrvaneConfig [/restore | /list [FILE] | /export FILE | /import FILE [/replace]] [/quiet]\r\n");
        return ScriptFailed;
    }
}

namespace {

// The command a shortcut starts: its target, quoted when it holds blanks,
// and its arguments; empty when it does not load.
std::string ShortcutCommand(IShellLinks& links, const std::string& path) {
    ShortcutFields fields;
    if (!IsShortcutFile(path) || !links.Load(path, fields)) return std::string();
    return Trim(RegistryCommandLine(fields.target, fields.arguments));
}

std::string FileCommand(IShellLinks& links, const FileEntry& file) {
    const std::string command = ShortcutCommand(links, file.path);
    return command.empty() ? file.path : command;
}

}  // namespace

int ListWithoutWindow(Platform& platform, IConsole& console, const std::string& file) {
    IFileSystem& files = platform.files;
    IRegistry& registry = platform.registry;
    const ConfigPaths paths = ConfigPathsOf(files);
    const ComScope com(platform.links);
    std::string text = "Place,Name,Command,File,Enabled,Source,Wait,Options,Impact\n", failures, errorLine = "Error";
    const auto unread = [&](const std::string& where) {
        failures += where + " could not be read.\r\n";
        AddCsvField(errorLine, where + " could not be read.");
    };
    const std::vector<LoggedRun> runs = ReadStartupLog(files, StartupLogPath(paths.iniPath));
    // One line; a managed item's with its Orvane.ini fields and its last rating.
    const auto row = [&](const std::string& place, const std::string& name, const std::string& command,
                         const std::string& entry, bool off, const ManagerLine* fields) {
        text += place;
        for (const std::string* field : {&name, &command, &entry}) AddCsvField(text, *field);
        text += off ? ",off" : ",on";
        if (fields != nullptr) {
            std::string options;
            for (const std::string& extra : fields->extras)
                if (UpperCopy(extra) != UpperCopy(OffField)) AddCsvField(options, extra, options.empty());
            for (const std::string* field : std::initializer_list<const std::string*>{&fields->source, &fields->wait, &options}) AddCsvField(text, *field);
            AddCsvField(text, LastImpact(runs, name));
        } else {
            text += ",,,,";
        }
        text += "\n";
    };

    std::vector<FileEntry> found;
    std::vector<ManagedItem> items;
    UnattendedMessages said;
    if (!ReadFolderIfThere(files, paths.managerDir, found)) unread(paths.managerDir);
    if (!found.empty() && !ReadManagedItems(files, found, paths.iniPath, items, &said, InfoOpen::ReadOnly))
        unread(paths.iniPath);
    for (const ManagedItem& item : items)
        row("Manager", item.fields.name, FileCommand(platform.links, item.file), item.file.name,
            HasExtraField(item.fields, OffField), &item.fields);

    const StartPlaces places = WindowsStartPlaces(registry, files, UserStartupFolder(registry, files));
    places.ForEach([&](const ItemPlace& place) {
        ApprovedStates states;
        if (!ReadApproved(registry, place, states)) unread(std::string(RootName(place.approvedRoot)) + "\\" + ApprovedKeyPath(place));
        if (!place.IsRegistry()) {
            std::vector<FileEntry> entries;
            if (!ReadFolderIfThere(files, place.path, entries)) unread(place.path);
            for (const FileEntry& entry : entries)
                row(place.sourceTag, entry.Title(), FileCommand(platform.links, entry), entry.name, states.Off(entry.name), nullptr);
            return;
        }
        std::vector<PlaceEntry> values;
        const std::unique_ptr<IRegistryKey> key = registry.Open(place.root, place.path, RegistryAccess::Read);
        // A key Windows never made holds nothing; one it refuses must not pass for empty.
        if (key ? !ReadStartValues(*key, place, values) : registry.Exists(place.root, place.path)) unread(ShownKeyPath(place));
        for (const PlaceEntry& value : values) row(place.sourceTag, value.name, value.command, value.name, states.Off(value.name), nullptr);
    });

    const int exit = failures.empty() ? ScriptDone : ScriptFailed;
    if (file.empty()) {
        std::string shown;
        for (char c : text) {
            if (c == '\n') shown += '\r';
            shown += c;
        }
        console.Out(shown);
        console.Error(failures);
        return exit;
    }
    if (!failures.empty()) text += errorLine + "\n";
    const std::unique_ptr<ITextFile> out = files.OpenText(file, "w");
    if (out && out->Write(text) && out->Close()) return exit;
    console.Error("Error writing " + file + "\r\n");
    return ScriptFailed;
}
