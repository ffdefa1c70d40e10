#pragma once

#include <windows.h>

#include <cstdlib>

// The Win32 start-up probes' clock, comparable with the benchmark script's wall clock.
namespace bithydraulics::bench {

// Microseconds since 1970 by the system clock, which Wine takes from the host's.
inline long long unixMicroseconds() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const long long ticks =
        (static_cast<long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;  // 100 ns, 1601
    return ticks / 10 - 11644473600000000LL;
}

// When the benchmark script started this process (BH_STARTUP_T0_US), or `now` without it.
inline long long startedAtMicroseconds(long long now) {
    const char* start = std::getenv("BH_STARTUP_T0_US");
    return start != nullptr ? std::atoll(start) : now;
}

}  // namespace bithydraulics::bench
