#pragma once
// Everything the programs reach of the operating system, handed to them at start.
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Keyboard.h"
#include "platform/MessageBoxes.h"
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
    IProcesses& processes;
};
