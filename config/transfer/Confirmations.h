#pragma once
// The questions asked before an item leaves the place it belongs in.
#include <string>

class IMessageBoxes;

// Before an item that came from a registry list leaves the manager; true for Yes.
bool ConfirmSourceLoss(IMessageBoxes& messages);
// Before a value that starts the system tray leaves the Run key; true for Yes.
bool ConfirmSystrayMove(IMessageBoxes& messages);

// A manager row's Source names a registry list: "RUN" or "SERVICES" anywhere
// in it, in any case.
bool HasRegistrySource(const std::string& source);
// The command line starts the system tray ("SYSTRAY" anywhere, any case).
bool NamesSystray(const std::string& commandLine);
