// The runner's read of its settings key over the memory registry, whatever
// the values' types and sizes: a text is read up to its first NUL, a number is
// its first byte as a signed 8-bit number, and a value too large for the
// runner's buffer, or without data, keeps its default.
#include "common/RunnerSettings.h"
#include "platform/WinValues.h"
#include "platform/memory/MemoryWorld.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

// Values drawn from the input: a presence and type byte, a two-byte length
// (beyond the 1024-byte buffer too), then the data.
class Values {
public:
    Values(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Next(uint32_t& type, std::string& bytes) {
        const uint8_t kind = Byte();
        const size_t length = (static_cast<size_t>(Byte()) << 8 | Byte()) % 1100;
        bytes.clear();
        for (size_t i = 0; i < length && m_at < m_size; ++i) bytes += static_cast<char>(m_data[m_at++]);
        static const uint32_t kTypes[] = {win::RegSz, win::RegDword, win::RegBinary, win::RegExpandSz};
        type = kTypes[(kind >> 1) % 4];
        return kind & 1;
    }
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

bool Fits(const std::string& bytes) { return bytes.size() <= 1024; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemoryWorld world;
    Values values(data, size);
    const bool keyExists = values.Byte() & 1;
    if (keyExists) world.registry.CreateKey(RegistryRoot::CurrentUser, settings::kKey);
    const RunnerSettings defaults;
    RunnerSettings expected;
    expected.keyOpened = keyExists;
    const struct {
        const char* name;
        std::string* text;
        int* number;
    } fields[] = {{settings::kIniPath, &expected.iniPath, nullptr},
                  {settings::kConfigPath, &expected.configPath, nullptr},
                  {settings::kPlacement, nullptr, &expected.placement},
                  {settings::kMinimized, nullptr, &expected.minimized},
                  {settings::kCloseWhenFinished, nullptr, &expected.closeWhenFinished}};
    for (const auto& field : fields) {
        uint32_t type = 0;
        std::string bytes;
        if (!values.Next(type, bytes) || !keyExists) continue;
        world.registry.SetValue(RegistryRoot::CurrentUser, settings::kKey, field.name, type, bytes);
        if (!Fits(bytes)) continue;
        if (field.text) *field.text = bytes.substr(0, bytes.find('\0'));
        if (field.number && !bytes.empty()) *field.number = static_cast<signed char>(bytes[0]);
    }

    const RunnerSettings read = ReadRunnerSettings(world.registry);
    FUZZ_CHECK(read.keyOpened == expected.keyOpened);
    FUZZ_CHECK(read.iniPath == expected.iniPath && read.configPath == expected.configPath);
    FUZZ_CHECK(read.placement == expected.placement && read.minimized == expected.minimized &&
               read.closeWhenFinished == expected.closeWhenFinished);
    FUZZ_CHECK(keyExists || (read.placement == defaults.placement && read.iniPath.empty()));
    return 0;
}
