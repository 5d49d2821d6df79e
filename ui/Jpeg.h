// JPEG images through libjpeg: the size from the header alone, or the pixels
// in the layout of a top-down Windows bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct PixelSize {
    std::int32_t width;
    std::int32_t height;
};

// Parses only the header (nothing is decoded to pixels). Raises an Error
// with the decoder's message when the data is not a readable JPEG image.
PixelSize ReadJpegSize(const void* data, std::size_t size);

// Where decoded rows go. prepare is called once the output size is known and
// returns the first row, setting the distance between rows in bytes.
struct JpegTarget {
    int scaleDenominator = 1;  // the decoder's scale-down: 1, 2, 4 or 8
    int bytesPerPixel = 3;     // 3: blue, green, red; 4: blue, green, red, filler
    std::uint8_t* (*prepare)(void* context, PixelSize size, std::size_t& stride) = nullptr;
    void* context = nullptr;
};

// Greyscale images come out in colour too; warnings about corrupt data are
// ignored, so the image shows as far as it decodes. Raises an Error with the
// decoder's message when the data is not a readable JPEG image.
void DecodeJpeg(const void* data, std::size_t size, const JpegTarget& target);

// 24-bit pixels, each row padded to a multiple of four bytes.
struct DecodedImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t stride = 0;  // bytes per row
    std::vector<std::uint8_t> pixels;
};
DecodedImage DecodeJpeg24(const void* data, std::size_t size);
