#pragma once
// A runner in a memory machine: Orvane in C:\ORVANE, settings as the
// configuration program leaves them, items added with their waits.
#include <string>
#include <vector>

#include "common/RunnerSettings.h"
#include "platform/memory/MemoryWorld.h"
#include "runner/RunnerDlg.h"
#include "runner/RunnerIds.h"
#include "ui/headless/HeadlessDialogHost.h"

struct RunnerWorld {
    static constexpr const char* Dir = "C:\\ORVANE\\";
    static constexpr const char* Ini = "C:\\ORVANE\\Orvane.ini";
    static constexpr const char* Manager = "C:\\ORVANE\\Startup\\";

    MemoryWorld world{"C:\\ORVANE\\Orvane.exe"};
    Platform platform = world.platform();
    CRunnerDlg dialog{platform};
    HeadlessDialogHost host{dialog};
    std::string ini;

    RunnerWorld() {
        world.registry.SetString(RegistryRoot::CurrentUser, settings::kKey, settings::kConfigPath, Dir);
        world.registry.SetString(RegistryRoot::CurrentUser, settings::kKey, settings::kIniPath, Ini);
        world.files.AddDirectory("C:\\ORVANE\\Startup");
    }
    void SetOption(const char* name, uint32_t value) {
        world.registry.SetDword(RegistryRoot::CurrentUser, settings::kKey, name, value);
    }
    // A shortcut in the manager directory and, unless lineless, its line.
    void AddItem(const std::string& name, const std::string& wait, bool lineless = false) {
        world.files.AddFile(Manager + name + ".lnk", "link");
        if (!lineless) AddLine(name, wait);
    }
    void AddLine(const std::string& name, const std::string& wait) {
        ini += "\"" + name + "\", \"Startup\", \"" + wait + "\"\r\n";
    }
    // An item that waits for an idle computer after its wait.
    void AddIdleItem(const std::string& name, const std::string& wait) {
        world.files.AddFile(Manager + name + ".lnk", "link");
        ini += "\"" + name + "\", \"Startup\", \"idle\", \"" + wait + "\"\r\n";
    }
    // An item whose line carries these fields ("\"net\", \"idle\"") between the source and the wait.
    void AddItemWith(const std::string& name, const std::string& fields, const std::string& wait) {
        world.files.AddFile(Manager + name + ".lnk", "link");
        ini += "\"" + name + "\", \"Startup\", " + fields + ", \"" + wait + "\"\r\n";
    }
    bool Open() {
        world.files.AddFile(Ini, ini);
        return host.Open();
    }
    std::string Status() { return host.Static(runner::IdcStatus).Text(); }
    int Lamp() { return host.Static(runner::IdcLamp).Bitmap(); }
    std::vector<std::string> Launched() const {
        std::vector<std::string> files;
        for (const Launch& launch : world.shell.launches) files.push_back(launch.file);
        return files;
    }
    std::string Item(const std::string& name) const { return Manager + name + ".lnk"; }
    // The clock on to the next second boundary, then one tick.
    void NextSecond() {
        world.clock.Advance(1000 - world.clock.time.milliseconds);
        host.Tick();
    }
    // The same, the processors that busy over the time passed.
    void NextSecondBusy(int percent) {
        const int step = 1000 - world.clock.time.milliseconds;
        world.processors.Spend(step, percent);
        world.clock.Advance(step);
        host.Tick();
    }
    std::string Log() const { return world.files.Contents("C:\\ORVANE\\Orvane.log"); }
};
