// The fifty photographs of the slideshow: where each comes from, how it is
// framed and how it is stored. Photograph n becomes resource n + 110.
#pragma once

#include "Jpeg.h"

#include <string_view>

struct Photo {
    // Where the source lies below the directory the Debian packages were unpacked into.
    std::string_view folder, file;
    int width, height;
    Chroma chroma;
    // Framing: the centre of the crop as fractions of the source, and how much
    // closer than the largest crop of the photo's shape it looks.
    double centreX, centreY, zoom;
};

constexpr int kPhotoCount = 50;
constexpr int kExifPhoto = 15;  // carries an Exif segment instead of the Adobe and quality segments

extern const Photo kPhotos[kPhotoCount];
