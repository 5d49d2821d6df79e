// A page as the built-in view shows it: black, with the photograph of a photo
// page decoded, sized and placed as the page says.
#pragma once

#include <cstddef>
#include <optional>

#include "view/PageReader.h"
#include "view/PixelImage.h"
#include "view/PixelRect.h"

struct PlacedPhoto {
    // At its size on the page, or as decoded: then sized as the page is drawn.
    PixelImage picture;
    PixelRect placement;  // in page coordinates
    PixelRect clip;       // the cell, which hides what lies outside it
};

// Decodes the photograph (JPEG bytes) for the page's photo element, at the
// decoder's scale-down nearest above its size on the page. Raises an Error
// when the bytes are not a readable JPEG image, or when the page would show
// the photograph larger than 2^26 pixels.
PlacedPhoto DecodePhotoForPage(const void* jpeg, std::size_t size, const PagePhoto& photo);

// The part `area` (page coordinates) of the page, as a picture of the area's
// size, drawn into `page` (whose memory is used again when it is large enough).
void RenderPage(const std::optional<PlacedPhoto>& photo, const PixelRect& area, PixelImage& page);
