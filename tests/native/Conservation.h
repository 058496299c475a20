#pragma once
// Proof that a command loses nothing: every item of a world is marked by its
// command line, whatever form it takes (a shortcut in a folder, a registry
// value), and is found again in exactly one place afterwards, or in two
// where a message named it; every row of the four lists stands for an item
// that is where the row says.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/native/ConfigWorld.h"

struct ItemSpot {
    std::string name;   // file title or value name
    std::string place;  // the folder or key
    // Turned off: by its Orvane.ini line (or its row's box while the dialog
    // shows it) in the manager, by its StartupApproved value elsewhere.
    bool off = false;
};
inline bool operator==(const ItemSpot& a, const ItemSpot& b) {
    return a.name == b.name && a.place == b.place && a.off == b.off;
}

// Every item of the world by its command line, with where it lies: the
// manager directory, the Windows Startup folder, the Roc directory, the Run
// and RunServices keys.
std::map<std::string, std::vector<ItemSpot>> TakeCensus(ConfigWorld& w);

// An empty text when all is well, otherwise what is wrong, one line each.
// The deletable items (by name) may be gone. An item's state stays as it
// was, and no StartupApproved value names an entry that is not there,
// unless a message named the item.
std::string CheckConservation(ConfigWorld& w, const std::map<std::string, std::vector<ItemSpot>>& before,
                              const std::set<std::string>& deletable);

// A shortcut with this command made the way the shell would.
void AddShortcut(ConfigWorld& w, const std::string& path, const std::string& target, const std::string& arguments);

// Runs command in a fresh world made by setUp, once with the first platform
// operation failing, then the second, and so on until it runs clean; checks
// conservation after each run (questions answered Yes); when the command
// deletes, the selected items may be gone. A run that ends other than the
// clean run must have shown a failure; Orvane.ini is the old file or the
// clean run's, whole (or, when the command keeps the lines of the items it
// leaves, whole lines of the old file). Returns the number of fault points
// run; every failure of a check is a test failure.
int RunWithEveryFault(const std::function<void(ConfigWorld&)>& setUp, const std::function<void(ConfigWorld&)>& command,
                      bool deletes = false, bool keepsLines = false);
