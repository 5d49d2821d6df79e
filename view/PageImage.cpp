#include "view/PageImage.h"

#include <algorithm>

#include "view/PhotoPlacement.h"
#include "view/ScaledJpeg.h"

namespace {

constexpr std::uint32_t kBlack = 0;

}  // namespace

PlacedPhoto PlacePhotoOnPage(const void* jpeg, std::size_t size, const PagePhoto& photo) {
    PlacedPhoto placed;
    placed.placement = PlacePhoto(photo, ReadJpegSize(jpeg, size));
    placed.clip = CellArea(photo);
    const PixelSize shown{placed.placement.Width(), placed.placement.Height()};
    if (shown.width <= 0 || shown.height <= 0) return placed;
    PixelImage decoded = DecodeJpegScaled(jpeg, size, shown);
    placed.picture = decoded.width == shown.width && decoded.height == shown.height
                         ? std::move(decoded)
                         : ScalePixelImage(decoded, shown.width, shown.height);
    return placed;
}

PixelImage RenderPage(const std::optional<PlacedPhoto>& photo, const PixelRect& area) {
    PixelImage page(area.Width(), area.Height(), kBlack);
    if (!photo || photo->picture.pixels.empty()) return page;
    const PixelRect drawn = Intersection(Intersection(photo->placement, photo->clip), area);
    if (drawn.Empty()) return page;
    for (std::int32_t y = drawn.top; y < drawn.bottom; ++y) {
        const std::uint32_t* from =
            photo->picture.Row(y - photo->placement.top) + (drawn.left - photo->placement.left);
        std::copy(from, from + drawn.Width(), page.Row(y - area.top) + (drawn.left - area.left));
    }
    return page;
}
