// The mixes' loops once per instruction set, and the set this process uses:
// the i686 build runs on processors without SSE2, so it asks the processor.
#pragma once

#include <cstddef>
#include <cstdint>

struct PixelLoops {
    void (*blend)(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                  std::uint32_t alpha);
    void (*mix)(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
                std::uint32_t weightOfB);
};

// A pixel at a time: the reference, and what a processor without SSE2 runs.
extern const PixelLoops kScalarLoops;
// Four pixels at a time; only where ProcessorHasSse2().
extern const PixelLoops kSse2Loops;

bool ProcessorHasSse2();

// The loops BlendPixels and MixPixels run, chosen at their first use: SSE2
// where the processor has it, unless SOLQUERA_BLEND=scalar in the
// environment (the bench's stand-in for a processor without it).
const PixelLoops& ActivePixelLoops();
