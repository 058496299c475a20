#pragma once
// What OrvaneConfig does for a script, without its window:
//   /restore [/quiet]                 every item back where it came from (RestoreMode.h)
//   /list [FILE]                      every entry of every place, as CSV
//   /export FILE                      the whole configuration as one file (common/ExportFile.h)
//   /import FILE [/replace] [/quiet]  such a file taken in
#include <string>

class IConsole;
struct Platform;

enum class ConfigMode { Window, Restore, List, Export, Import, Unusable };

struct ConfigSwitches {
    ConfigMode mode = ConfigMode::Window;
    bool quiet = false, replace = false;
    std::string file;
};

// The switches in any case, after "/" or "-"; a file in double quotes when
// its path holds blanks. Without a mode, anything else is ignored and the
// window opens, as it always did; with one, an unknown switch, a second
// mode, a missing or second file make it Unusable.
ConfigSwitches ReadConfigSwitches(const std::string& commandLine);

// The mode's exit code (Window: none, the caller opens the window).
int RunConfigMode(Platform& platform, IConsole& console, const ConfigSwitches& switches);

// Exit codes of /list and /export.
enum ScriptExit { ScriptDone = 0, ScriptFailed = 2 };

// /list: a header line, then one line per entry (Place, Name, Command,
// File, Enabled, Source, Wait, Options, Impact), to the file or else to the
// console. A place that cannot be read is named on standard error, or in
// the file's last line (its first field "Error"), the others still listed.
int ListWithoutWindow(Platform& platform, IConsole& console, const std::string& file);

// /export: false, said on standard error, when the manager could not be
// read or the file not written whole.
int ExportWithoutWindow(Platform& platform, IConsole& console, const std::string& file);

// /import: exit codes as the restore's, the report in Import.txt.
inline constexpr char ImportReportName[] = "Import.txt";
int ImportWithoutWindow(Platform& platform, const std::string& file, bool replace, bool quiet);
