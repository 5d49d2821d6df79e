#include "slideshow/ClockSeed.h"

#include <windows.h>

#include "base/RandomGenerator.h"

std::uint32_t ClockSeed() {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter)) return static_cast<std::uint32_t>(counter.LowPart);
    return GetTickCount();
}

void ReseedFromClock() {
    ProcessRandom().Seed(ClockSeed());
}
