#include "Jpeg.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through a callback that must not return.
[[noreturn]] void ThrowJpegError(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(std::string("libjpeg: ") + message);
}

// Photoshop's "Ducky" block: the quality tag, then the end tag.
std::vector<uint8_t> DuckySegment() {
    return {'D', 'u', 'c', 'k', 'y', 0, 1, 0, 4, 0, 0, 0, kQuality, 0, 0};
}

// "Exif" header and a little-endian TIFF structure with one IFD holding
// Orientation = 1 (top-left) and no next IFD.
std::vector<uint8_t> ExifSegment() {
    return {'E',  'x',  'i', 'f', 0, 0,                    //
            'I',  'I',  42,  0,   8, 0, 0, 0,              // TIFF header, IFD0 at offset 8
            1,    0,                                       // one entry
            0x12, 0x01, 3,   0,   1, 0, 0, 0, 1, 0, 0, 0,  // Orientation, SHORT, 1 value: 1
            0,    0,    0,   0};                           // no next IFD
}

void WriteMarker(jpeg_compress_struct& info, int marker, const std::vector<uint8_t>& data) {
    jpeg_write_marker(&info, marker, data.data(), static_cast<unsigned>(data.size()));
}

}  // namespace

Image ReadJpeg(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) throw std::runtime_error("cannot open " + path);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowJpegError;
    jpeg_create_decompress(&info);
    try {
        jpeg_stdio_src(&info, file.get());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;  // also turns greyscale sources into RGB
        jpeg_start_decompress(&info);
        Image image(info.output_width, info.output_height);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image.row(info.output_scanline);
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return image;
    } catch (...) {
        jpeg_destroy_decompress(&info);
        throw;
    }
}

std::vector<uint8_t> EncodeJpeg(const Image& image, JpegStyle style) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowJpegError;
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    try {
        jpeg_mem_dest(&info, &buffer, &size);
        info.image_width = image.width();
        info.image_height = image.height();
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);  // YCbCr, 2 x 2 chroma, baseline Huffman, ISLOW DCT, no restarts
        jpeg_set_quality(&info, kQuality, TRUE);
        info.optimize_coding = TRUE;
        const int chromaFactor = style.chroma == Chroma::k420 ? 2 : 1;
        info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = chromaFactor;
        info.JFIF_minor_version = 2;
        info.density_unit = 0;
        info.X_density = info.Y_density = style.segments == Segments::kExif ? 1 : 100;
        info.write_Adobe_marker = style.segments == Segments::kPhoto;
        jpeg_start_compress(&info, TRUE);  // writes SOI, APP0 (JFIF) and APP14 (Adobe)
        if (style.segments == Segments::kPhoto) WriteMarker(info, JPEG_APP0 + 12, DuckySegment());
        if (style.segments == Segments::kExif) WriteMarker(info, JPEG_APP0 + 1, ExifSegment());
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<uint8_t*>(image.row(info.next_scanline));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        std::vector<uint8_t> bytes(buffer, buffer + size);
        std::free(buffer);
        return bytes;
    } catch (...) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw;
    }
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}
