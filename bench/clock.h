// Milliseconds on the performance counter, which Wine keeps on one clock for
// every process: a time taken in one process can be compared in another.
#pragma once

#include <windows.h>

namespace bench {

inline double Now() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

}  // namespace bench
