#pragma once
// The places Windows starts a user's items from, each with the Source text
// that records an item taken from there: the lists show them, Restore puts
// items back into them.
#include <string>
#include <vector>

#include "common/ItemPlace.h"

class IFileSystem;
class IRegistry;

struct StartPlaces {
    // The first place of each list, whose Source texts Orvane.ini has always
    // held: the user's Startup folder, the machine's Run and RunServices keys.
    ItemPlace startup, run, runServices;
    // The newer places, each with a Source text of its own: the all-users
    // Startup folder, and the user's Run key and the 32-bit view's.
    std::vector<ItemPlace> moreStartup, moreRun;

    // The place an item with this Source came from; null for an empty or
    // unknown Source.
    const ItemPlace* ForSource(const std::string& source) const;
    // Every place, in the lists' order: Startup's, Run's, RunServices.
    template <class Visit>
    void ForEach(Visit visit) const {
        visit(startup);
        for (const ItemPlace& place : moreStartup) visit(place);
        visit(run);
        for (const ItemPlace& place : moreRun) visit(place);
        visit(runServices);
    }
};

// startupFolder is the user's Windows Startup folder, with its trailing
// backslash. The all-users folder is there when the shell names one, the
// 32-bit view where it is a key of its own.
StartPlaces WindowsStartPlaces(IRegistry& registry, IFileSystem& files, const std::string& startupFolder);
