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

ErrorText PictureTooLarge(PixelSize shown) {
    return {"PageError", "The page cannot be shown: its photograph would be " + std::to_string(shown.width) +
                             " x " + std::to_string(shown.height) + " pixels"};
}

bool AtPageSize(const PlacedPhoto& photo) {
    return photo.picture.width == photo.placement.Width() && photo.picture.height == photo.placement.Height();
}

// The part `drawn` (page coordinates) of the photograph at its size on the
// page, into out (rows stride pixels apart).
void DrawPhoto(const PlacedPhoto& photo, const PixelRect& drawn, std::uint32_t* out, std::size_t stride) {
    const PixelRect& at = photo.placement;
    const PixelRect part{drawn.left - at.left, drawn.top - at.top, drawn.right - at.left,
                         drawn.bottom - at.top};
    if (!AtPageSize(photo)) {
        ScalePixelImage(photo.picture, at.Width(), at.Height(), part, out, stride);
        return;
    }
    for (std::int32_t y = part.top; y < part.bottom; ++y, out += stride) {
        const std::uint32_t* from = photo.picture.Row(y) + part.left;
        std::copy(from, from + part.Width(), out);
    }
}

}  // namespace

PlacedPhoto DecodePhotoForPage(const void* jpeg, std::size_t size, const PagePhoto& photo) {
    PlacedPhoto placed;
    placed.placement = PlacePhoto(photo, ReadJpegSize(jpeg, size));
    placed.clip = CellArea(photo);
    const PixelSize shown{placed.placement.Width(), placed.placement.Height()};
    if (shown.width <= 0 || shown.height <= 0) return placed;
    if (std::int64_t{shown.width} * shown.height > kLargestShownPicture) Raise(PictureTooLarge(shown));
    placed.picture = DecodeJpegScaled(jpeg, size, shown);
    return placed;
}

PlacedPhoto PlacePhotoOnPage(const void* jpeg, std::size_t size, const PagePhoto& photo) {
    PlacedPhoto placed = DecodePhotoForPage(jpeg, size, photo);
    if (!placed.picture.pixels.empty() && !AtPageSize(placed)) {
        placed.picture = ScalePixelImage(placed.picture, placed.placement.Width(), placed.placement.Height());
    }
    return placed;
}

void RenderPage(const std::optional<PlacedPhoto>& photo, const PixelRect& area, PixelImage& page) {
    page.width = area.Width();
    page.height = area.Height();
    page.pixels.resize(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height));
    PixelRect drawn;
    if (photo && !photo->picture.pixels.empty()) {
        drawn = Intersection(Intersection(photo->placement, photo->clip), area);
    }
    // Every pixel once: black where the photograph is not.
    for (std::int32_t y = area.top; y < area.bottom; ++y) {
        std::uint32_t* row = page.Row(y - area.top);
        if (y < drawn.top || y >= drawn.bottom) {
            std::fill(row, row + page.width, kBlack);
            continue;
        }
        std::fill(row, row + (drawn.left - area.left), kBlack);
        std::fill(row + (drawn.right - area.left), row + page.width, kBlack);
    }
    if (drawn.Empty()) return;
    DrawPhoto(*photo, drawn, page.Row(drawn.top - area.top) + (drawn.left - area.left),
              static_cast<std::size_t>(page.width));
}

PixelImage RenderPage(const std::optional<PlacedPhoto>& photo, const PixelRect& area) {
    PixelImage page;
    RenderPage(photo, area, page);
    return page;
}
