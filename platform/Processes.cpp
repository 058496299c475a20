// Only the runner watches disks: an object of its own keeps this out of the
// configuration program.
#include "platform/Processes.h"

int DiskBusyPercent(const std::vector<DiskTimes>& before, const std::vector<DiskTimes>& after) {
    if (before.size() != after.size() || after.empty()) return -1;
    int busiest = -1;
    for (std::size_t disk = 0; disk < after.size(); ++disk) {
        if (after[disk].query <= before[disk].query) continue;
        const uint64_t query = after[disk].query - before[disk].query;
        const uint64_t idle = after[disk].idle > before[disk].idle ? after[disk].idle - before[disk].idle : 0;
        const uint64_t busy = query > idle ? query - idle : 0;
        const int percent = static_cast<int>((busy * 100 + query / 2) / query);
        if (percent > busiest) busiest = percent;
    }
    return busiest;
}
