// A rectangle of whole pixels: left and top inside, right and bottom outside.
#pragma once

#include <algorithm>
#include <cstdint>

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

inline PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const PixelRect result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                           std::min(a.bottom, b.bottom)};
    return result.Empty() ? PixelRect{} : result;
}
