#pragma once
// The enabled state Windows keeps of each entry it starts programs from,
// the one Task Manager and Settings show: a 12-byte value named after the
// Run value or the shortcut's file name, in a key beside the place. Off
// when the first byte's lowest bit is 1; a missing value, or one of
// another length, is on.
#include <string>
#include <vector>

#include "common/ItemPlace.h"

class IClock;

bool ApprovedOff(const RegistryValue& value);

// The key of a place's values under its root.
std::string ApprovedKeyPath(const ItemPlace& place);

// The states of a place's entries, read once. False when the place has
// values but they could not be read: every entry then counts as on.
struct ApprovedStates {
    std::vector<std::string> off;  // the entries turned off, in capitals
    bool Off(const std::string& entryName) const;
};
bool ReadApproved(IRegistry& registry, const ItemPlace& place, ApprovedStates& states);

// Off writes 03 and the time it was turned off, On writes 02 as Task
// Manager does; Clear removes a value of that name, there or not. True
// for a place that keeps no states.
enum class ApprovedWrite { Off, On, Clear };
bool WriteApproved(IRegistry& registry, IClock& clock, const ItemPlace& place, const std::string& entryName,
                   ApprovedWrite write);
