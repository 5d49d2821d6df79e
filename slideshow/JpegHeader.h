// The pixel size of a JPEG image, read from its header alone.
#pragma once

#include <cstddef>
#include <cstdint>

struct PixelSize {
    std::int32_t width;
    std::int32_t height;
};

// Parses only the header (nothing is decoded to pixels). Raises an Error
// with the decoder's message when the data is not a readable JPEG image.
PixelSize ReadJpegSize(const void* data, std::size_t size);
