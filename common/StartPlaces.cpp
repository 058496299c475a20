#include "common/StartPlaces.h"

#include "common/RunnerSettings.h"
#include "common/StartupFolder.h"
#include "platform/Registry.h"

StartPlaces WindowsStartPlaces(IRegistry& registry, IFileSystem& files, const std::string& startupFolder) {
    using K = PlaceKind;
    using R = RegistryRoot;
    StartPlaces places{
        ItemPlace{K::Folder, startupFolder, R::LocalMachine, "Startup", "", false, "User"},
        ItemPlace{K::RegistryKey, settings::kRunKey, R::LocalMachine, "Run", "Run", true, "Machine"},
        ItemPlace{K::RegistryKey, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices", R::LocalMachine,
                  "Services", "RunServices", false, "Machine"},
        {},
        {ItemPlace{K::RegistryKey, settings::kRunKey, R::CurrentUser, "UserRun", "Run", false, "User"}},
    };
    const std::string common = CommonStartupFolder(registry, files, startupFolder);
    if (!common.empty())
        places.moreStartup.push_back(ItemPlace{K::Folder, common, R::LocalMachine, "AllStartup", "", false, "All users"});
    if (registry.HasSeparate32BitView())
        places.moreRun.push_back(ItemPlace{K::RegistryKey, settings::kRunKey, R::LocalMachine32, "Run32", "Run", false, "32-bit"});
    return places;
}

const ItemPlace* StartPlaces::ForSource(const std::string& source) const {
    if (source.empty()) return nullptr;
    for (const ItemPlace* place : {&startup, &run, &runServices})
        if (place->sourceTag == source) return place;
    for (const std::vector<ItemPlace>* more : {&moreStartup, &moreRun})
        for (const ItemPlace& place : *more)
            if (place.sourceTag == source) return &place;
    return nullptr;
}
