#pragma once
// The real machine, bundled for a program's main.
#include <string>

#include "platform/Platform.h"
#include "platform/win32/Win32Devices.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32ShellLinks.h"

class Win32Platform {
    static inline NoProcesses s_none;

public:
    // The caption of the program's message boxes.
    // processes: the runner's own; a program that launches nothing to
    // follow needs none.
    explicit Win32Platform(const std::string& caption, IProcesses& processes = s_none)
        : messages(caption), processes(processes) {}

    Win32FileSystem files;
    Win32Registry registry;
    Win32ShellLinks links;
    Win32Shell shell;
    Win32Clock clock;
    Win32Keyboard keyboard;
    Win32Screen screen;
    Win32MessageBoxes messages;
    Win32ProcessorTimes processors;
    Win32Session session;
    IProcesses& processes;

    // Other programs' windows, the power supply and the network are the
    // runner's alone: the configuration program gets stand-ins that know
    // nothing, so that it carries none of that code.
    Platform platform() { return platform(m_none, m_none, m_none); }
    Platform platform(IDesktopWindows& windows, IPowerStatus& power, INetwork& network) {
        return Platform{files, registry, links, shell, clock, keyboard, screen, messages, processors, session,
                        windows, power, network, processes};
    }

private:
    class : public IDesktopWindows, public IPowerStatus, public INetwork {
        ProcessId IdOf(ProcessHandle) override { return 0; }
        bool Ended(ProcessHandle) override { return true; }
        std::vector<WindowHandle> Showing(const std::vector<ProcessId>&) override { return {}; }
        void Minimise(WindowHandle) override {}
        int AcLine() override { return power::Unknown; }
        NetworkState State() override { return NetworkState::Unknown; }
    } m_none;
};
