#pragma once
// The configuration program in a memory machine: OrvaneConfig in C:\ORVANE,
// Windows in C:\WINDOWS, its main dialog on the headless ui.
#include <ostream>
#include <string>
#include <vector>

#include "common/PathHelpers.h"
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"
#include "config/ConfigResources.h"
#include "platform/memory/MemoryWorld.h"
#include "ui/headless/HeadlessControls.h"
#include "ui/headless/HeadlessDialogHost.h"

struct ConfigWorld {
    static constexpr const char* Dir = "C:\\ORVANE\\";
    static constexpr const char* Manager = "C:\\ORVANE\\Startup\\";
    static constexpr const char* Ini = "C:\\ORVANE\\Orvane.ini";
    static constexpr const char* Roc = "C:\\ORVANE\\Roc\\";
    static constexpr const char* StartupFolder = "C:\\WINDOWS\\Start Menu\\Programs\\Startup\\";
    static constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* RunServicesKey = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
    static constexpr const char* CommonStartup = "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\Startup\\";
    static constexpr const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    // What every failure of a move, a delete or a reorder ends with.
    static inline const std::string Advice =
        "Make sure the file is not in use and is not read-only.\n"
        "If the file is in use, close it from the system tray or find it in the task list\n"
        "by pressing CTRL-ALT-DELETE.";

    explicit ConfigWorld(const std::string& modulePath = "C:\\ORVANE\\OrvaneConfig.exe",
                         const std::string& windowsDirectory = "C:\\WINDOWS")
        : world(modulePath, windowsDirectory) {
        // A machine where the runner lies beside the program.
        world.files.AddFile(DirectoryOf(modulePath) + "\\Orvane.exe", "runner");
        world.files.AddDirectory(std::string(StartupFolder).substr(0, std::string(StartupFolder).size() - 1));
    }

    MemoryWorld world;
    Platform platform = world.platform();
    CProfileStore profile{world.registry, settings::kCompanyKey, "OrvaneConfig"};
    CConfigDlg dialog{platform, profile};
    HeadlessDialogHost host{dialog};

    // Shortcuts in the manager directory, in creation (enumeration) order.
    void AddManaged(const std::vector<std::string>& names) {
        for (const std::string& name : names) world.files.AddFile(Manager + name + ".lnk", "link " + name);
    }
    void AddStartup(const std::vector<std::string>& names) {
        for (const std::string& name : names) world.files.AddFile(StartupFolder + name + ".lnk", "link " + name);
    }
    // A machine of today, before the dialog opens: an all-users Startup
    // folder the shell names, and 64-bit Windows seen by a 64-bit program.
    void UseEveryPlace() {
        const std::string common(CommonStartup);
        world.files.AddDirectory(common.substr(0, common.size() - 1));
        world.registry.SetString(RegistryRoot::LocalMachine, ShellFolders, "Common Startup", common.substr(0, common.size() - 1));
        world.registry.SetSeparate32BitView(true);
    }
    void AddCommonStartup(const std::vector<std::string>& names) {
        for (const std::string& name : names) world.files.AddFile(CommonStartup + name + ".lnk", "link " + name);
    }
    void WriteIni(const std::string& text) { world.files.AddFile(Ini, text); }
    // A standard user, as Windows 10 and 11 are mostly used: the machine's
    // keys and the all-users Startup folder read, but refuse every change.
    void BeStandardUser() {
        world.registry.machineReadOnly = true;
        world.files.DenyWritesUnder(CommonStartup);
    }

    HeadlessListView& List(int id) { return dynamic_cast<HeadlessListView&>(host.ListView(id)); }
    std::vector<std::string> Rows(int id) { return List(id).Names(); }
    // Entry names of a directory, in enumeration order.
    std::vector<std::string> Entries(const std::string& dir) { return world.files.Names(dir.substr(0, dir.size() - 1)); }
    // The runner's entry: the user's.
    bool RunValueSet() const {
        return world.registry.HasValue(RegistryRoot::CurrentUser, RunKey, settings::kRunValue);
    }
    std::string RunValue() const {
        return world.registry.Value(RegistryRoot::CurrentUser, RunKey, settings::kRunValue).Text();
    }
    const std::vector<ShownMessage>& Shown() const { return world.messages.shown; }
    // Closes by the title bar, answering No: whether the save question came.
    bool CloseAsksToSave() {
        world.messages.shown.clear();
        host.Close();
        return !Shown().empty() && Shown()[0].text == "Do you want to save changes before exiting?";
    }
};

inline bool operator==(const ShownMessage& a, const ShownMessage& b) { return a.text == b.text && a.style == b.style; }
inline std::ostream& operator<<(std::ostream& out, const ShownMessage& m) {
    return out << "{\"" << m.text << "\", " << m.style << "}";
}
