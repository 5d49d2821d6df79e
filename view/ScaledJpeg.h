// Decodes the photographs for the built-in page view, no larger than they are shown.
#pragma once

#include <cstddef>
#include <cstdint>

#include "view/PixelImage.h"
#include "ui/Jpeg.h"

// The largest of the decoder's scale-downs 1, 2, 4 and 8 that still leaves the
// image at least as large as `wanted` in both directions (1 when none does).
std::int32_t JpegScaleDenominator(PixelSize image, PixelSize wanted);

// The image decoded at that scale-down. Raises an Error with the decoder's
// message when the data is not a readable JPEG image.
PixelImage DecodeJpegScaled(const void* data, std::size_t size, PixelSize wanted);
