#include "config/ConfigPaths.h"

#include "platform/FileSystem.h"

ConfigPaths ConfigPathsOf(IFileSystem& files) {
    const std::string modulePath = files.ModulePath();
    ConfigPaths paths;
    paths.dir = modulePath.substr(0, modulePath.rfind('\\') + 1);
    paths.managerDir = paths.dir + "Startup\\";
    paths.iniPath = paths.dir + "Orvane.ini";
    paths.rocDir = paths.dir + "Roc\\";
    paths.rocRecord = paths.dir + "Orvane.roc";
    return paths;
}
