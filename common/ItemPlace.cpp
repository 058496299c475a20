#include "common/ItemPlace.h"

// Out of line: each place is built once a start, and inline string moves at
// every call would weigh more than the calls.
ItemPlace ItemPlace::Folder(const std::string& folder) {
    ItemPlace place;
    place.path = folder;
    return place;
}

ItemPlace ItemPlace::Key(RegistryRoot root, const char* key) {
    ItemPlace place;
    place.kind = PlaceKind::RegistryKey;
    place.root = root;
    place.path = key;
    place.machine = root != RegistryRoot::CurrentUser;
    return place;
}

ItemPlace& ItemPlace::Tagged(const char* source) {
    sourceTag = source;
    return *this;
}

ItemPlace& ItemPlace::Marked(const char* where) {
    mark = where;
    return *this;
}

ItemPlace& ItemPlace::Named(const char* key) {
    keyName = key;
    return *this;
}

ItemPlace& ItemPlace::HoldingRunner() {
    holdsRunner = true;
    return *this;
}

ItemPlace& ItemPlace::EveryUsers() {
    machine = true;
    return *this;
}

ItemPlace& ItemPlace::Approved(RegistryRoot root, const char* key) {
    approvedRoot = root;
    approved = key;
    return *this;
}
