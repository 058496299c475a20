#pragma once
// The runner settings: where the configuration program and the manager
// information file are, and the runner's three options. The configuration
// program writes them through its profile; the runner reads the fixed key.
#include <string>

class IRegistry;

namespace settings {

inline constexpr char kCompanyKey[] = "Quillmark";
inline constexpr char kSection[] = "Settings";
inline constexpr char kKey[] = "Software\\Quillmark\\OrvaneConfig\\Settings";  // under HKEY_CURRENT_USER
inline constexpr char kConfigPath[] = "ConfigPath";
inline constexpr char kIniPath[] = "IniPath";
inline constexpr char kPlacement[] = "Placement";
inline constexpr char kMinimized[] = "Minimized";
inline constexpr char kCloseWhenFinished[] = "CloseWhenFinished";

// When an item marked idle may start: total processor use at or below
// IdleBusyPercent for IdleSeconds in a row, or after IdleLongest seconds of
// waiting for that; an item waiting for the network starts after
// NetworkLongest seconds all the same. REG_DWORD values; one out of its
// range reads as its default.
inline constexpr char kIdleBusyPercent[] = "IdleBusyPercent";
inline constexpr char kIdleSeconds[] = "IdleSeconds";
inline constexpr char kIdleLongest[] = "IdleLongest";
inline constexpr char kNetworkLongest[] = "NetworkLongest";
struct IdleRange {
    const char* name;
    int lowest, highest, defaultValue;
};
inline constexpr IdleRange kIdleRanges[] = {
    {kIdleBusyPercent, 1, 99, 20},
    {kIdleSeconds, 1, 99, 5},
    {kIdleLongest, 1, 999, 120},
    {kNetworkLongest, 1, 999, 60},
};

inline constexpr int kDefaultPlacement = 1;  // 0 top left, 1 centred, other: bottom left
inline constexpr int kDefaultMinimized = 0;
inline constexpr int kDefaultCloseWhenFinished = 1;

// The runner's registration under HKEY_LOCAL_MACHINE.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Orvane";  // in the user's Run key; older versions: the machine's
// The user was told that an entry in the machine's Run key stays.
inline constexpr char kMachineEntryTold[] = "MachineEntryTold";
inline constexpr char kRunnerFile[] = "Orvane.exe";  // appended to ConfigPath
inline constexpr char kConfigFile[] = "OrvaneConfig.exe";  // beside the runner

}  // namespace settings

// A value of the runner's key that the Run list keeps out of sight as the
// runner's own ("ORVANE" anywhere in its name, in any case).
bool NamesRunnerValue(const std::string& valueName);

// The settings as the runner sees them.
struct RunnerSettings {
    bool keyOpened = false;  // false: nothing was read (the close box stays clear)
    std::string iniPath, configPath;
    int placement = settings::kDefaultPlacement;
    int minimized = settings::kDefaultMinimized;
    int closeWhenFinished = settings::kDefaultCloseWhenFinished;
    int idleBusyPercent = settings::kIdleRanges[0].defaultValue;
    int idleSeconds = settings::kIdleRanges[1].defaultValue;
    int idleLongest = settings::kIdleRanges[2].defaultValue;
    int networkLongest = settings::kIdleRanges[3].defaultValue;
};

// Reads the key once, as the runner does: each value into a 1024-byte
// buffer (a longer value is not read), a text up to its first NUL, an
// integer as its first data byte taken as a signed 8-bit number. A value
// not read keeps its default. The idle settings are read whole, as the
// REG_DWORD numbers they are.
RunnerSettings ReadRunnerSettings(IRegistry& registry);
