#include "common/RunnerSettings.h"

#include <memory>

#include "common/TextHelpers.h"
#include "platform/Registry.h"
#include "platform/WinValues.h"

namespace {

// The runner's query buffer: a value that does not fit is not read.
constexpr std::size_t kBufferSize = 1024;

bool QueryFitting(IRegistryKey& key, const char* name, RegistryValue& value) {
    return key.Query(name, value) && value.data.size() <= kBufferSize;
}

void ReadText(IRegistryKey& key, const char* name, std::string& text) {
    RegistryValue value;
    if (QueryFitting(key, name, value)) text = value.Text();
}

// The first data byte, as a signed 8-bit number. A value without data has
// no first byte and keeps the default.
void ReadNumber(IRegistryKey& key, const char* name, int& number) {
    RegistryValue value;
    if (QueryFitting(key, name, value) && !value.data.empty()) number = static_cast<signed char>(value.data[0]);
}

// A REG_DWORD within its range; anything else keeps the default.
void ReadIdleNumber(IRegistryKey& key, const settings::IdleRange& range, int& number) {
    number = range.defaultValue;
    RegistryValue value;
    if (!QueryFitting(key, range.name, value) || value.type != win::RegDword || value.data.size() != 4) return;
    uint32_t read = 0;
    for (int i = 3; i >= 0; --i) read = (read << 8) | static_cast<unsigned char>(value.data[i]);
    if (read >= static_cast<uint32_t>(range.lowest) && read <= static_cast<uint32_t>(range.highest))
        number = static_cast<int>(read);
}

}  // namespace

RunnerSettings ReadRunnerSettings(IRegistry& registry) {
    RunnerSettings read;
    const std::unique_ptr<IRegistryKey> key = registry.Open(RegistryRoot::CurrentUser, settings::kKey, RegistryAccess::Read);
    if (!key) return read;
    read.keyOpened = true;
    ReadText(*key, settings::kIniPath, read.iniPath);
    ReadText(*key, settings::kConfigPath, read.configPath);
    ReadNumber(*key, settings::kPlacement, read.placement);
    ReadNumber(*key, settings::kMinimized, read.minimized);
    ReadNumber(*key, settings::kCloseWhenFinished, read.closeWhenFinished);
    ReadIdleNumber(*key, settings::kIdleRanges[0], read.idleBusyPercent);
    ReadIdleNumber(*key, settings::kIdleRanges[1], read.idleSeconds);
    ReadIdleNumber(*key, settings::kIdleRanges[2], read.idleLongest);
    ReadIdleNumber(*key, settings::kIdleRanges[3], read.networkLongest);
    return read;
}

bool NamesRunnerValue(const std::string& valueName) {
    return UpperCopy(valueName).find("ORVANE") != std::string::npos;
}
