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

inline constexpr int kDefaultPlacement = 1;  // 0 top left, 1 centred, other: bottom left
inline constexpr int kDefaultMinimized = 0;
inline constexpr int kDefaultCloseWhenFinished = 1;

// The runner's registration under HKEY_LOCAL_MACHINE.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Orvane";
inline constexpr char kRunnerFile[] = "Orvane.exe";  // appended to ConfigPath

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
};

// Reads the key once, as the runner does: each value into a 1024-byte
// buffer (a longer value is not read), a text up to its first NUL, an
// integer as its first data byte taken as a signed 8-bit number. A value
// not read keeps its default.
RunnerSettings ReadRunnerSettings(IRegistry& registry);
