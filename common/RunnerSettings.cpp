#include "common/RunnerSettings.h"

#include <memory>

#include "common/TextHelpers.h"
#include "platform/Registry.h"

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
    return read;
}

bool NamesRunnerValue(const std::string& valueName) {
    return UpperCopy(valueName).find("ORVANE") != std::string::npos;
}
