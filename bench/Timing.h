// The bench's clock and its statistic.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Microseconds of the performance counter, which every process of the machine shares.
inline double MicrosOf(LONGLONG ticks) {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return frequency.QuadPart / 1e6;
    }();
    return ticks / ticksPerMicrosecond;
}

inline LONGLONG Ticks() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

inline double Now() {
    return MicrosOf(Ticks());
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
