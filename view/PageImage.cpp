#include "view/PageImage.h"

#include <algorithm>
#include <string>

#include "ui/Error.h"
#include "view/PhotoPlacement.h"
#include "view/ScaledJpeg.h"

namespace {

constexpr std::uint32_t kBlack = 0;
// A page of ours fits its photograph into the screen; one whose photograph
// would be far larger than any screen was not written by us.
constexpr std::int64_t kLargestShownPicture = std::int64_t{1} << 26;  // pixels

[[noreturn]] __attribute__((noinline)) void RaisePictureTooLarge(PixelSize shown) {
    throw Error("PageError",
                "The page cannot be shown: its photograph would be " + std::to_string(shown.width) + " x " +
                    std::to_string(shown.height) + " pixels",
                __builtin_return_address(0));
}

}  // namespace

PlacedPhoto PlacePhotoOnPage(const void* jpeg, std::size_t size, const PagePhoto& photo) {
    PlacedPhoto placed;
    placed.placement = PlacePhoto(photo, ReadJpegSize(jpeg, size));
    placed.clip = CellArea(photo);
    const PixelSize shown{placed.placement.Width(), placed.placement.Height()};
    if (shown.width <= 0 || shown.height <= 0) return placed;
    if (std::int64_t{shown.width} * shown.height > kLargestShownPicture) RaisePictureTooLarge(shown);
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
