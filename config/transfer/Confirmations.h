#pragma once
// When a move must ask before an item leaves the place it belongs in.
#include <string>

// A manager row's Source names a registry list: "RUN" or "SERVICES" anywhere
// in it, in any case.
bool HasRegistrySource(const std::string& source);
// The command line starts the system tray ("SYSTRAY" anywhere, any case).
bool NamesSystray(const std::string& commandLine);
