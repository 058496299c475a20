#include "common/StartupApproved.h"

#include <memory>

#include "common/StartupLog.h"
#include "common/TextHelpers.h"
#include "platform/Clock.h"
#include "platform/WinValues.h"

namespace {
constexpr std::size_t kValueSize = 12;
}  // namespace

std::string ApprovedKeyPath(const ItemPlace& place) {
    return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\") + place.approved;
}

bool ApprovedOff(const RegistryValue& value) {
    return value.data.size() == kValueSize && (value.data[0] & 1) != 0;
}

bool ApprovedStates::Off(const std::string& entryName) const {
    const std::string wanted = UpperCopy(entryName);
    for (const std::string& name : off)
        if (name == wanted) return true;
    return false;
}

bool ReadApproved(IRegistry& registry, const ItemPlace& place, ApprovedStates& states) {
    states.off.clear();
    if (place.approved == nullptr) return true;
    // Windows makes the key at the first entry turned off: none means all on.
    const std::unique_ptr<IRegistryKey> key = registry.Open(place.approvedRoot, ApprovedKeyPath(place), RegistryAccess::Read);
    RegistryValue value;
    for (uint32_t index = 0; key;) {
        const RegistryEnum found = key->Enumerate(index++, value);
        if (found == RegistryEnum::NoMoreItems) break;
        if (found == RegistryEnum::Failed) {
            states.off.clear();
            return false;
        }
        if (ApprovedOff(value)) states.off.push_back(UpperCopy(value.name));
    }
    return true;
}

bool WriteApproved(IRegistry& registry, IClock& clock, const ItemPlace& place, const std::string& entryName,
                   ApprovedWrite write) {
    if (place.approved == nullptr) return true;
    const std::string path = ApprovedKeyPath(place);
    std::string data(kValueSize, '\0');
    data[0] = write == ApprovedWrite::Off ? 3 : 2;
    RegistryValue value;
    if (write == ApprovedWrite::Clear) {
        // Only a value that is there needs the key opened for writing, which
        // a user without administrator rights does not get to the machine's.
        // A key that does not open may be missing or refused: the writable
        // one tells.
        const std::unique_ptr<IRegistryKey> read = registry.Open(place.approvedRoot, path, RegistryAccess::Read);
        if (read && !read->Query(entryName, value)) return true;
    } else if (write == ApprovedWrite::Off) {
        // A FILETIME: 100-nanosecond steps since 1601, low byte first.
        uint64_t time = static_cast<uint64_t>(MillisecondsOf(clock.Now())) * 10000;
        for (std::size_t byte = 4; byte < kValueSize; ++byte, time >>= 8) data[byte] = static_cast<char>(time & 0xFF);
    }
    const std::unique_ptr<IRegistryKey> key = registry.Create(place.approvedRoot, path);
    if (!key) return false;
    if (write != ApprovedWrite::Clear) return key->Set(entryName, win::RegBinary, data);
    return !key->Query(entryName, value) || key->DeleteValue(entryName);
}
