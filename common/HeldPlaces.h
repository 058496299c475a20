#pragma once
// What the places Windows starts programs from hold now, against what Orvane
// noted at its last look: the runner's look at each start.
#include <string>
#include <vector>

#include "common/PlaceEntries.h"
#include "common/SeenRecord.h"

class IFileSystem;
class IRegistry;
class IShellLinks;
struct StartPlaces;

struct HeldPlace {
    ItemPlace place;
    // False when the place is there but could not be read: its entries are
    // not known, which is not the same as none.
    bool read = true;
    std::vector<PlaceEntry> entries;
};

// What each place holds, each entry with its command and its state (COM is
// initialised here for the shortcuts). A folder or key that is not there is
// empty; states that cannot be read are on.
std::vector<HeldPlace> ReadPlaces(IRegistry& registry, IFileSystem& files, IShellLinks& links,
                                  const StartPlaces& places);

// The place holding an entry that starts this command, and the entry; null
// when none does. An entry turned off starts nothing.
const HeldPlace* PlaceStarting(const std::vector<HeldPlace>& held, const std::string& commandKey,
                               const PlaceEntry** entry = nullptr);

// The record of what the places hold now. An entry the record had keeps its
// mark; one it did not have is new, and listed in appeared, unless there was
// no record yet: then everything there is counts as seen. A place that could
// not be read, or not found, keeps the entries the record had for it.
std::vector<SeenEntry> UpdateSeen(const std::vector<SeenEntry>& before, bool hadRecord,
                                  const std::vector<HeldPlace>& now, std::vector<SeenEntry>& appeared);
