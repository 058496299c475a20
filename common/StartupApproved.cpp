#include "common/StartupApproved.h"

#include <memory>

#include "common/StartupLog.h"
#include "common/TextHelpers.h"
#include "platform/Clock.h"
#include "platform/WinValues.h"

namespace {

constexpr std::size_t kValueSize = 12;

std::string KeyPath(const ItemPlace& place) {
    return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\") + place.approved;
}

}  // namespace

bool ApprovedOff(const RegistryValue& value) {
    return value.data.size() == kValueSize && (value.data[0] & 1) != 0;
}

std::string ApprovedKeyText(const ItemPlace& place) {
    return std::string(RootName(place.approvedRoot)) + "\\" + KeyPath(place);
}

bool ApprovedStates::Off(const std::string& entryName) const {
    const std::string wanted = UpperCopy(entryName);
    for (const RegistryValue& value : values)
        if (UpperCopy(value.name) == wanted) return ApprovedOff(value);
    return false;
}

bool ReadApproved(IRegistry& registry, const ItemPlace& place, ApprovedStates& states) {
    states.values.clear();
    if (place.approved == nullptr) return true;
    // Windows makes the key at the first entry turned off: none means all on.
    const std::unique_ptr<IRegistryKey> key = registry.Open(place.approvedRoot, KeyPath(place), RegistryAccess::Read);
    RegistryValue value;
    for (uint32_t index = 0; key;) {
        const RegistryEnum found = key->Enumerate(index++, value);
        if (found == RegistryEnum::NoMoreItems) break;
        if (found == RegistryEnum::Failed) {
            states.values.clear();
            return false;
        }
        states.values.push_back(value);
    }
    return true;
}

bool WriteApproved(IRegistry& registry, IClock& clock, const ItemPlace& place, const std::string& entryName,
                   ApprovedWrite write) {
    if (place.approved == nullptr) return true;
    const std::string path = KeyPath(place);
    if (write == ApprovedWrite::Clear) {
        // Only a value that is there needs a key opened for writing, which a
        // user without administrator rights does not get to the machine's.
        const std::unique_ptr<IRegistryKey> read = registry.Open(place.approvedRoot, path, RegistryAccess::Read);
        RegistryValue value;
        if (!read || !read->Query(entryName, value)) return true;
        const std::unique_ptr<IRegistryKey> key = registry.Open(place.approvedRoot, path, RegistryAccess::All);
        return key && key->DeleteValue(entryName);
    }
    std::string data(kValueSize, '\0');
    data[0] = write == ApprovedWrite::Off ? 3 : 2;
    if (write == ApprovedWrite::Off) {
        // A FILETIME: 100-nanosecond steps since 1601, low byte first.
        uint64_t time = static_cast<uint64_t>(MillisecondsOf(clock.Now())) * 10000;
        for (std::size_t byte = 4; byte < kValueSize; ++byte, time >>= 8) data[byte] = static_cast<char>(time & 0xFF);
    }
    const std::unique_ptr<IRegistryKey> key = registry.Create(place.approvedRoot, path);
    return key && key->Set(entryName, win::RegBinary, data);
}
