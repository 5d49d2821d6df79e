#include "Image.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 3) {
    FillRect(*this, 0, 0, width, height, fill);
}

Rgb Image::at(int x, int y) const {
    const uint8_t* p = row(y) + x * 3;
    return {p[0], p[1], p[2]};
}

void Image::set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = row(y) + x * 3;
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
}

Image Shrink(const Image& source, Rect crop, int width, int height) {
    if (crop.width < width || crop.height < height)
        throw std::runtime_error("source region smaller than the picture it should fill");
    const double stepX = crop.width / width, stepY = crop.height / height;
    Image target(width, height);
    for (int ty = 0; ty < height; ++ty) {
        const int y0 = static_cast<int>(crop.y + ty * stepY);
        const int y1 = std::min(source.height(), static_cast<int>(std::ceil(crop.y + (ty + 1) * stepY)));
        for (int tx = 0; tx < width; ++tx) {
            const int x0 = static_cast<int>(crop.x + tx * stepX);
            const int x1 = std::min(source.width(), static_cast<int>(std::ceil(crop.x + (tx + 1) * stepX)));
            unsigned sum[3] = {0, 0, 0}, count = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x, ++count)
                    for (int c = 0; c < 3; ++c) sum[c] += source.row(y)[x * 3 + c];
            target.set(tx, ty,
                       {static_cast<uint8_t>((sum[0] + count / 2) / count),
                        static_cast<uint8_t>((sum[1] + count / 2) / count),
                        static_cast<uint8_t>((sum[2] + count / 2) / count)});
        }
    }
    return target;
}

Rect CropFor(const Image& source, int width, int height, double centreX, double centreY, double zoom) {
    const double scale = std::min(double(source.width()) / width, double(source.height()) / height) / zoom;
    Rect crop{0, 0, width * scale, height * scale};
    crop.x = std::clamp(centreX * source.width() - crop.width / 2, 0.0, source.width() - crop.width);
    crop.y = std::clamp(centreY * source.height() - crop.height / 2, 0.0, source.height() - crop.height);
    return crop;
}

Image Thumbnail(const Image& source, int width, int height) {
    return Shrink(source, CropFor(source, width, height, 0.5, 0.5, 1.0), width, height);
}

void FillRect(Image& image, int x, int y, int width, int height, Rgb colour) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) image.set(column, row, colour);
}

void FrameRect(Image& image, int x, int y, int width, int height, Rgb colour) {
    FillRect(image, x, y, width, 1, colour);
    FillRect(image, x, y + height - 1, width, 1, colour);
    FillRect(image, x, y, 1, height, colour);
    FillRect(image, x + width - 1, y, 1, height, colour);
}

void Paste(Image& target, const Image& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            target.set(x + column, y + row, source.at(column, row));
}

Rgb Mix(Rgb a, Rgb b, double weightOfB) {
    const double weight = std::clamp(weightOfB, 0.0, 1.0);
    auto channel = [weight](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * weight));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}
