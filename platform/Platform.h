#pragma once
// Everything the programs reach of the operating system, handed to them at start.
#include "platform/Clock.h"
#include "platform/DesktopWindows.h"
#include "platform/FileSystem.h"
#include "platform/Keyboard.h"
#include "platform/MessageBoxes.h"
#include "platform/Network.h"
#include "platform/PowerStatus.h"
#include "platform/ProcessorTimes.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Session.h"
#include "platform/Shell.h"
#include "platform/ShellLinks.h"

struct Platform {
    IFileSystem& files;
    IRegistry& registry;
    IShellLinks& links;
    IShell& shell;
    IClock& clock;
    IKeyboard& keyboard;
    IScreen& screen;
    IMessageBoxes& messages;
    IProcessorTimes& processors;
    ISession& session;
    IDesktopWindows& windows;
    IPowerStatus& power;
    INetwork& network;
    IProcesses& processes;

    // The same machine, its boxes shown through another.
    Platform WithMessages(IMessageBoxes& boxes) const {
        return Platform{files, registry, links, shell, clock, keyboard, screen, boxes, processors, session,
                        windows, power, network, processes};
    }
};
