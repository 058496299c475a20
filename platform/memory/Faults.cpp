#include "platform/memory/Faults.h"

#include "platform/memory/NoCase.h"

void Faults::Add(Fault fault, const std::string& path, int times) {
    m_entries.push_back({fault, path, times});
}

void Faults::Clear() {
    m_entries.clear();
}

void Faults::FailNth(int n) {
    m_failAt = n;
    m_operations = 0;
}

bool Faults::Hit(Fault fault, const std::string& path) {
    return Hit(fault, {path});
}

bool Faults::Hit(Fault fault, std::initializer_list<std::string> paths) {
    if (++m_operations == m_failAt) return true;
    for (Entry& entry : m_entries) {
        if (entry.fault != fault || entry.remaining == 0) continue;
        bool matches = entry.path.empty();
        for (const std::string& path : paths) matches = matches || SameNoCase(entry.path, path);
        if (!matches) continue;
        if (entry.remaining > 0) --entry.remaining;
        return true;
    }
    return false;
}
