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

// A width x height colour image, each pixel from colourAt(x, y), at high
// quality without chroma subsampling so that colours survive closely.
inline std::vector<unsigned char> Encode(int width, int height,
                                         const std::function<Rgb(int, int)>& colourAt) {
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    for (int i = 0; i < encoder.num_components; ++i) {
        encoder.comp_info[i].h_samp_factor = 1;
        encoder.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&encoder, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = colourAt(x, y);
            row[3 * x] = colour.red;
            row[3 * x + 1] = colour.green;
            row[3 * x + 2] = colour.blue;
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&encoder, &line, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::vector<unsigned char> result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

inline std::vector<unsigned char> Solid(int width, int height, Rgb colour) {
    return Encode(width, height, [colour](int, int) { return colour; });
}

}  // namespace testjpeg
