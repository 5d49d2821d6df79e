// Which pixels a reveal pattern shows, computed from its geometry alone: the
// reference that the patterns' own tests and the drawn frames are held to.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "view/RevealOrder.h"
#include "view/RevealPatterns.h"

struct Size {
    std::int32_t width, height;
};

// Which pixels show the new picture, row by row.
struct Mask {
    std::int32_t width, height;
    std::vector<char> shown;

    bool At(std::int32_t x, std::int32_t y) const { return shown[static_cast<std::size_t>(y * width + x)]; }
    std::int64_t Count() const {
        std::int64_t count = 0;
        for (const char pixel : shown) count += pixel;
        return count;
    }
};

// The pixels a pattern shows, set from its geometry one by one. Region
// rectangles must lie inside the window and must not overlap.
inline Mask RevealedMask(std::int32_t pattern, double progress, Size size, std::uint32_t seed = 1) {
    Mask mask{size.width, size.height,
              std::vector<char>(static_cast<std::size_t>(size.width * size.height), 0)};
    std::int64_t shownTwice = 0;
    const auto show = [&](std::int32_t x, std::int32_t y) {
        char& pixel = mask.shown[static_cast<std::size_t>(y * size.width + x)];
        shownTwice += pixel;
        pixel = 1;
    };
    const RevealStyle style = StyleOf(pattern);
    if (style == RevealStyle::Region) {
        for (const PixelRect& r : RevealedRegion(pattern, progress, size.width, size.height)) {
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= size.width && r.bottom <= size.height &&
                        !r.Empty())
                << "pattern " << pattern << " rectangle " << r.left << "," << r.top << "-" << r.right << ","
                << r.bottom;
            for (std::int32_t y = std::max(r.top, 0); y < std::min(r.bottom, size.height); ++y) {
                for (std::int32_t x = std::max(r.left, 0); x < std::min(r.right, size.width); ++x) show(x, y);
            }
        }
        EXPECT_EQ(shownTwice, 0) << "pattern " << pattern << " overlaps itself at " << progress;
        return mask;
    }
    const std::int64_t elements = OrderedElements(style, size.width, size.height);
    const RevealOrder order(static_cast<std::uint64_t>(elements), seed);
    for (std::int64_t k = 0; k < RevealedCount(progress, elements); ++k) {
        const auto element = static_cast<std::int32_t>(order.At(static_cast<std::uint64_t>(k)));
        if (style == RevealStyle::PixelOrder) show(element % size.width, element / size.width);
        for (std::int32_t i = 0; style == RevealStyle::RowOrder && i < size.width; ++i) show(i, element);
        for (std::int32_t i = 0; style == RevealStyle::ColumnOrder && i < size.height; ++i) show(element, i);
    }
    EXPECT_EQ(shownTwice, 0) << "pattern " << pattern << " shows an element twice at " << progress;
    return mask;
}
