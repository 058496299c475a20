#pragma once
#include <cstdint>

// GetSystemTimes' three totals over all processors, in 100 ns units; the
// kernel time includes the idle time.
struct ProcessorTimes {
    uint64_t idle = 0, kernel = 0, user = 0;
};

class IProcessorTimes {
public:
    virtual ~IProcessorTimes() = default;
    // False where the system cannot tell (no GetSystemTimes, or the call
    // failed): the caller does without.
    virtual bool Read(ProcessorTimes& times) = 0;
};

// The share of the processors' time, in percent (0-100), that was not idle
// between two readings; -1 when no time passed between them.
int BusyPercent(const ProcessorTimes& before, const ProcessorTimes& after);
