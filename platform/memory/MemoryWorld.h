#pragma once
// A whole machine in memory for one test: the program lives in C:\ORVANE,
// Windows in C:\WINDOWS.
#include "platform/Platform.h"
#include "platform/memory/Faults.h"
#include "platform/memory/MemoryDesktop.h"
#include "platform/memory/MemoryConsole.h"
#include "platform/memory/MemoryDevices.h"
#include "platform/memory/MemoryFileSystem.h"
#include "platform/memory/MemoryProcesses.h"
#include "platform/memory/MemoryRegistry.h"
#include "platform/memory/MemoryShell.h"
#include "platform/memory/MemoryShellLinks.h"
#include "platform/memory/ScriptedMessageBoxes.h"

class MemoryWorld {
public:
    explicit MemoryWorld(const std::string& modulePath = "C:\\ORVANE\\OrvaneConfig.exe",
                         const std::string& windowsDirectory = "C:\\WINDOWS");

    Faults faults;
    MemoryFileSystem files;
    MemoryRegistry registry;
    MemoryShellLinks links;
    MemoryShell shell;
    FakeClock clock;
    FakeKeyboard keyboard;
    FakeScreen screen;
    ScriptedMessageBoxes messages;
    ScriptedProcessorTimes processors;
    MemorySession session;
    MemoryDesktop desktop;
    ScriptedPower power;
    ScriptedNetwork network;
    MemoryProcesses processes{faults, shell};
    MemoryConsole console;

    Platform platform();
};
