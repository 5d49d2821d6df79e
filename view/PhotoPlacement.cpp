#include "view/PhotoPlacement.h"

#include <cmath>

namespace {

// other * cellSide / side, to the nearest integer with ties to even.
std::int32_t ScaledSide(std::int32_t other, std::int32_t cellSide, std::int32_t side) {
    if (side <= 0) return 0;
    return static_cast<std::int32_t>(std::nearbyint(double(other) * cellSide / side));
}

// Offset that centres `size` in `space`; a larger size overhangs both ends.
std::int32_t Centred(std::int32_t size, std::int32_t space) {
    const std::int32_t spare = space - size;
    return spare >= 0 ? spare / 2 : -((-spare + 1) / 2);
}

}  // namespace

PixelRect PlacePhoto(const PagePhoto& photo, PixelSize photoSize) {
    std::int32_t width = photo.cell.width;
    std::int32_t height = photo.cell.height;
    if (photo.fit == PhotoFit::Height) {
        width = ScaledSide(photoSize.width, photo.cell.height, photoSize.height);
    } else {
        height = ScaledSide(photoSize.height, photo.cell.width, photoSize.width);
    }
    const std::int32_t left = Centred(width, photo.cell.width);
    const std::int32_t top = Centred(height, photo.cell.height);
    return {left, top, left + width, top + height};
}

PixelRect CellArea(const PagePhoto& photo) {
    return {0, 0, photo.cell.width, photo.cell.height};
}
