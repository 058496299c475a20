#include "config/StartPlaces.h"

#include "common/RunnerSettings.h"

StartPlaces WindowsStartPlaces(const std::string& startupFolder) {
    return StartPlaces{
        ItemPlace{PlaceKind::Folder, startupFolder, RegistryRoot::LocalMachine, "Startup", ""},
        ItemPlace{PlaceKind::RegistryKey, settings::kRunKey, RegistryRoot::LocalMachine, "Run", "Run"},
        ItemPlace{PlaceKind::RegistryKey, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices",
                  RegistryRoot::LocalMachine, "Services", "RunServices"},
    };
}

const ItemPlace* StartPlaces::ForSource(const std::string& source) const {
    if (source.empty()) return nullptr;
    for (const ItemPlace* place : {&startup, &run, &runServices})
        if (place->sourceTag == source) return place;
    return nullptr;
}
