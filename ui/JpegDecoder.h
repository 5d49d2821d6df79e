// Decodes a JPEG image to 24-bit colour pixels laid out as a top-down
// Windows device-independent bitmap: blue, green, red per pixel, each row
// padded to a multiple of four bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct DecodedImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t stride = 0;  // bytes per row
    std::vector<std::uint8_t> pixels;
};

// Greyscale images come out in colour too. Raises an Error with the decoder's
// message when the data is not a readable JPEG image.
DecodedImage DecodeJpeg24(const void* data, std::size_t size);
