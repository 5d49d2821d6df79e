// The fade's mix of two pictures in integer arithmetic: every byte of a pixel
// becomes (to * alpha + from * (255 - alpha)) / 255, rounded to the nearest,
// which is what the system's constant-alpha blend gives.
#pragma once

#include <cstddef>
#include <cstdint>

std::uint32_t BlendPixel(std::uint32_t from, std::uint32_t to, std::uint32_t alpha);

// out[i] = BlendPixel(from[i], to[i], alpha) for count pixels (alpha 0..255);
// SSE2 where the target has it, four pixels at a time.
void BlendPixels(const std::uint32_t* from, const std::uint32_t* to, std::uint32_t* out, std::size_t count,
                 std::uint32_t alpha);
