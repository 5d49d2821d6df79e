// Reseeding the process's random generator from the clock.
#pragma once

#include <cstdint>

// The low 32 bits of the high-resolution performance counter, or the
// millisecond tick count where the system has no such counter.
std::uint32_t ClockSeed();

// Seeds ProcessRandom() with ClockSeed().
void ReseedFromClock();
