// A picture in memory in the layout of a 32-bit Windows bitmap: one word per
// pixel holding blue, green, red and an unused byte, rows from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "view/PixelRect.h"

struct PixelImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;

    PixelImage() = default;
    PixelImage(std::int32_t w, std::int32_t h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint32_t* Row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* Row(std::int32_t y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }
};

// Resampled to width x height (both positive) by bilinear interpolation; meant
// for factors up to two either way, which the decoder's scaling leaves.
PixelImage ScalePixelImage(const PixelImage& source, std::int32_t width, std::int32_t height);
// The same resampling, only its part `part` (inside width x height), written
// into out, rows stride pixels apart: a page takes the photograph's pixels
// without a picture of the photograph at its size.
void ScalePixelImage(const PixelImage& source, std::int32_t width, std::int32_t height, const PixelRect& part,
                     std::uint32_t* out, std::size_t stride);
