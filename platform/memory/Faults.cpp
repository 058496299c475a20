#include "platform/memory/Faults.h"

#include "platform/memory/NoCase.h"

void Faults::Add(Fault fault, const std::string& path, int times) {
    m_entries.push_back({fault, path, times});
}

void Faults::Clear() {
    m_entries.clear();
}

bool Faults::Hit(Fault fault, const std::string& path) {
    for (Entry& entry : m_entries) {
        if (entry.fault != fault || entry.remaining == 0) continue;
        if (!entry.path.empty() && !SameNoCase(entry.path, path)) continue;
        if (entry.remaining > 0) --entry.remaining;
        return true;
    }
    return false;
}
