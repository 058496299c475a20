#pragma once
// The places Windows starts a user's items from, each with the Source text
// that records an item taken from there: the lists show them, Restore puts
// items back into them.
#include <string>

#include "common/ItemPlace.h"

struct StartPlaces {
    ItemPlace startup, run, runServices;

    // The place an item with this Source came from; null for an empty or
    // unknown Source.
    const ItemPlace* ForSource(const std::string& source) const;
};

// startupFolder is the user's Windows Startup folder, with its trailing
// backslash.
StartPlaces WindowsStartPlaces(const std::string& startupFolder);
