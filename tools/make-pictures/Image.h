// An RGB picture in memory and the few operations the generator needs:
// filling, copying and box-filtered shrinking of a cropped region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
};

class Image {
public:
    Image(int width, int height, Rgb fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    // Rows top-down, three bytes per pixel, as libjpeg takes them.
    uint8_t* row(int y) { return &pixels_[static_cast<size_t>(y) * width_ * 3]; }
    const uint8_t* row(int y) const { return &pixels_[static_cast<size_t>(y) * width_ * 3]; }

private:
    int width_, height_;
    std::vector<uint8_t> pixels_;
};

// Shrinks the region `crop` of `source` to width x height by averaging the
// source pixels under each target pixel. The region must not be smaller than
// the target: the generator only ever scales down.
Image Shrink(const Image& source, Rect crop, int width, int height);

// The largest region of the target's shape inside the source, made `zoom`
// times smaller and centred on (centreX, centreY), given as fractions of the
// source; moved inwards where it would stick out.
Rect CropFor(const Image& source, int width, int height, double centreX, double centreY, double zoom);

Image Thumbnail(const Image& source, int width, int height);

void FillRect(Image& image, int x, int y, int width, int height, Rgb colour);
void FrameRect(Image& image, int x, int y, int width, int height, Rgb colour);
void Paste(Image& target, const Image& source, int x, int y);
// Blends from a towards b; the weight is held to 0..1.
Rgb Mix(Rgb a, Rgb b, double weightOfB);
