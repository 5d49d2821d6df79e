// Reading source photographs and writing the program's JPEG resources through
// libjpeg, with exactly the segments each resource is meant to carry.
#pragma once

#include "Image.h"

#include <cstdint>
#include <string>
#include <vector>

enum class Chroma { k420, k444 };

// Which application segments follow the JFIF header. kPhoto: density
// 100 x 100, then APP14 (Adobe, YCbCr transform) and APP12 (quality note).
// kExif: density 1 x 1, then a small Exif APP1. kPlain: density 100 x 100 alone.
enum class Segments { kPhoto, kExif, kPlain };

struct JpegStyle {
    Chroma chroma;
    Segments segments;
};

constexpr int kQuality = 91;

Image ReadJpeg(const std::string& path);
std::vector<uint8_t> EncodeJpeg(const Image& image, JpegStyle style);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
