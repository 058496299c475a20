#include "common/StartPlaces.h"

#include "common/RunnerSettings.h"
#include "common/StartupFolder.h"
#include "platform/Registry.h"

StartPlaces WindowsStartPlaces(IRegistry& registry, IFileSystem& files, const std::string& startupFolder) {
    using R = RegistryRoot;
    const char* const runServices = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
    StartPlaces places;
    places.startup = ItemPlace::Folder(startupFolder).Tagged("Startup").Marked("User").Approved(R::CurrentUser, "StartupFolder");
    places.run = ItemPlace::Key(R::LocalMachine, settings::kRunKey).Tagged("Run").Named("Run").Marked("Machine").HoldingRunner().Approved(R::LocalMachine, "Run");
    places.runServices = ItemPlace::Key(R::LocalMachine, runServices).Tagged("Services").Named("RunServices").Marked("Machine");
    places.moreRun.push_back(ItemPlace::Key(R::CurrentUser, settings::kRunKey).Tagged("UserRun").Named("Run").Marked("User").HoldingRunner().Approved(R::CurrentUser, "Run"));
    const std::string common = CommonStartupFolder(registry, files, startupFolder);
    if (!common.empty()) places.moreStartup.push_back(ItemPlace::Folder(common).Tagged("AllStartup").Marked("All users").EveryUsers().Approved(R::LocalMachine, "StartupFolder"));
    if (registry.HasSeparate32BitView())
        places.moreRun.push_back(ItemPlace::Key(R::LocalMachine32, settings::kRunKey).Tagged("Run32").Named("Run").Marked("32-bit").Approved(R::LocalMachine, "Run32"));
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
