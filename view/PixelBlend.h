// Mixes of two pictures' pixels in integer arithmetic, byte by byte. The
// fade's: (to * alpha + from * (255 - alpha)) / 255, rounded to the nearest,
// which is what the system's constant-alpha blend gives.
#pragma once

#include <cstddef>
#include <cstdint>

std::uint32_t BlendPixel(std::uint32_t from, std::uint32_t to, std::uint32_t alpha);

// out[i] = BlendPixel(from[i], to[i], alpha) for count pixels (alpha 0..255);
// SSE2 where the processor has it, four pixels at a time.
void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 std::uint32_t alpha);

// The resampler's: (a * (256 - weightOfB) + b * weightOfB) / 256 rounded
// down, with the unused byte set (weightOfB 0..256). MixPixels gives
// MixPixel's results, SSE2 where the processor has it.
std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, std::uint32_t weightOfB);
void MixPixels(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t* out, std::size_t count,
               std::uint32_t weightOfB);
