#pragma once
#include <cstdint>

#include "platform/Clock.h"

// Milliseconds since 1 January 1601, as the system counts file times.
int64_t MillisecondsOf(const SystemTime& time);
