// Small JPEG images made on the spot with libjpeg's compressor, for the
// tests of the code that decodes and shows photographs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace testjpeg {

struct Rgb {
    std::uint8_t red, green, blue;
};

// A JPEG file of width x height pixels given row by row, each pixel red,
// green, blue (3 components) or one grey byte (1), without chroma
// subsampling so that colours survive closely; in one scan, or progressive.
inline std::vector<unsigned char> EncodePixels(int width, int height, int components,
                                               const std::vector<unsigned char>& pixels, int quality,
                                               bool progressive = false) {
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = components;
    encoder.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    for (int i = 0; i < encoder.num_components; ++i) {
        encoder.comp_info[i].h_samp_factor = 1;
        encoder.comp_info[i].v_samp_factor = 1;
    }
    if (progressive) jpeg_simple_progression(&encoder);
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < encoder.image_height) {
        auto row = const_cast<JSAMPROW>(pixels.data() +
                                        static_cast<std::size_t>(encoder.next_scanline) * width * components);
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::vector<unsigned char> result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

// A width x height colour image, each pixel from colourAt(x, y).
inline std::vector<unsigned char> Encode(int width, int height,
                                         const std::function<Rgb(int, int)>& colourAt) {
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = colourAt(x, y);
            pixels.insert(pixels.end(), {colour.red, colour.green, colour.blue});
        }
    }
    return EncodePixels(width, height, 3, pixels, 95);
}

inline std::vector<unsigned char> Solid(int width, int height, Rgb colour) {
    return Encode(width, height, [colour](int, int) { return colour; });
}

}  // namespace testjpeg
