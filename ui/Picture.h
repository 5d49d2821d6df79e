// A picture for the picture controls, decoded once into a device-independent
// bitmap.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>

#include "ui/Scoped.h"

class Picture {
public:
    // A JPEG file (decoded at 24 bits per pixel, in colour) or a Windows
    // bitmap file, told apart by their first bytes. Raises an Error for data
    // that is neither, or not readable as what it claims to be.
    static std::unique_ptr<Picture> FromFile(std::string_view bytes);
    static std::unique_ptr<Picture> FromJpeg(std::string_view bytes);

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Drawn at the given size: pixel for pixel at its own, smoothly
    // resampled at any other.
    void Draw(HDC target, int left, int top, int width, int height) const;

private:
    Picture(ScopedGdiObject<HBITMAP> bitmap, int width, int height)
        : bitmap_(std::move(bitmap)), width_(width), height_(height) {}
    static std::unique_ptr<Picture> FromBitmapFile(std::string_view bytes);

    ScopedGdiObject<HBITMAP> bitmap_;
    int width_;
    int height_;
};
