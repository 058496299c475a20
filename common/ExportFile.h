#pragma once
// The configuration as one UTF-8 text file, for OrvaneConfig /export and
// /import: comma-separated lines (see Csv.h), versioned in the first.
//   Orvane configuration,1
//   setting,NAME,NUMBER                       one for each runner setting
//   item,FILE,SOURCE,WAIT,OPTIONS,shortcut,TARGET,ARGUMENTS,FOLDER,SHOW,DESCRIPTION
//   item,FILE,SOURCE,WAIT,OPTIONS,file (not carried),,,,,
//   end,NUMBER OF ITEMS
// OPTIONS are the fields of the item's Orvane.ini line between its source
// and its wait, joined by commas; the item's name is its file's title. The
// end line tells a whole file from one cut short.
#include <string>
#include <vector>

#include "common/ManagerInfo.h"
#include "common/RunnerSettings.h"
#include "platform/ShellLinks.h"

struct ExportedItem {
    std::string fileName;  // in the manager folder
    ManagerLine fields;    // its name is the file's title
    bool shortcut = true;  // false: a file of another kind, named but not carried
    ShortcutFields link;
};

// The runner's settings an export carries, each with the range it accepts.
inline constexpr settings::IdleRange kExportedSettings[] = {
    {settings::kPlacement, 0, 2, settings::kDefaultPlacement},
    {settings::kMinimized, 0, 1, settings::kDefaultMinimized},
    {settings::kCloseWhenFinished, 0, 1, settings::kDefaultCloseWhenFinished},
    settings::kIdleRanges[0], settings::kIdleRanges[1], settings::kIdleRanges[2], settings::kIdleRanges[3],
};
inline constexpr int kExportedSettingCount = static_cast<int>(sizeof kExportedSettings / sizeof kExportedSettings[0]);

struct ConfigExport {
    // In the order of kExportedSettings; one a file does not give is its default.
    int settings[kExportedSettingCount];
    std::vector<ExportedItem> items;
};

// The file's lines, without line ends.
std::vector<std::string> FormatExport(const ConfigExport& config);

// The lines as read (a line end, a byte-order mark at the start, are
// taken off). False with a message for the user, naming the line, when
// anything in them is not as FormatExport writes it or could not be
// taken in safely: a wrong field count, a file name that is no plain file
// name of the manager folder (a path, a device, a reserved character), a
// text a shortcut or Orvane.ini cannot hold, a file cut short.
bool ReadExport(const std::vector<std::string>& lines, ConfigExport& config, std::string& error);
