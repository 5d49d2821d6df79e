#include "ui/Picture.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/Error.h"
#include "ui/Jpeg.h"

namespace {

ErrorText InvalidGraphic(const char* why) {
    return {"EInvalidGraphic", std::string("Ung\xFCltiges Bild: ") + why};
}

// A DIB section from a ready header (with its colour table, if any) and the
// pixel rows it describes.
ScopedGdiObject<HBITMAP> MakeBitmap(const BITMAPINFO& info, const void* pixels, std::size_t pixelBytes) {
    void* bits = nullptr;
    ScopedGdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) Raise(InvalidGraphic("kein Speicher f\xFCr das Bild"));
    std::memcpy(bits, pixels, pixelBytes);
    return bitmap;
}

std::size_t RowBytes(LONG width, WORD bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

}  // namespace

std::unique_ptr<Picture> Picture::FromFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xD8")) return FromJpeg(bytes);
    if (bytes.starts_with("BM")) return FromBitmapFile(bytes);
    Raise(InvalidGraphic("weder JPEG noch Bitmap"));
}

std::unique_ptr<Picture> Picture::FromJpeg(std::string_view bytes) {
    const DecodedImage image = DecodeJpeg24(bytes.data(), bytes.size());
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return std::unique_ptr<Picture>(
        new Picture(MakeBitmap(info, image.pixels.data(), image.pixels.size()), image.width, image.height));
}

// An uncompressed bitmap file: file header, info header, colour table, rows.
// Every size is checked against the data before anything is read.
std::unique_ptr<Picture> Picture::FromBitmapFile(std::string_view bytes) {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER header;
    if (bytes.size() < sizeof file + sizeof header) Raise(InvalidGraphic("Bitmap zu kurz"));
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&header, bytes.data() + sizeof file, sizeof header);
    const bool supported = header.biSize >= sizeof header && header.biPlanes == 1 &&
                           header.biCompression == BI_RGB && header.biWidth > 0 && header.biHeight != 0 &&
                           (header.biBitCount == 1 || header.biBitCount == 4 || header.biBitCount == 8 ||
                            header.biBitCount == 24 || header.biBitCount == 32);
    if (!supported) Raise(InvalidGraphic("Bitmap-Format nicht unterst\xFCtzt"));
    const std::size_t colours =
        header.biBitCount <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount) : 0;
    const std::size_t tableOffset = sizeof file + header.biSize;
    const std::size_t pixelBytes = RowBytes(header.biWidth, header.biBitCount) * std::labs(header.biHeight);
    if (colours > 256 || tableOffset + colours * sizeof(RGBQUAD) > bytes.size() ||
        file.bfOffBits > bytes.size() || bytes.size() - file.bfOffBits < pixelBytes) {
        Raise(InvalidGraphic("Bitmap unvollst\xE4ndig"));
    }
    // The colour table follows the header; copied out, since the file's
    // 14-byte header leaves it unaligned.
    std::vector<std::uint8_t> info(sizeof header + colours * sizeof(RGBQUAD));
    std::memcpy(info.data(), &header, sizeof header);
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSize = sizeof header;
    std::memcpy(info.data() + sizeof header, bytes.data() + tableOffset, colours * sizeof(RGBQUAD));
    ScopedGdiObject<HBITMAP> bitmap = MakeBitmap(*reinterpret_cast<const BITMAPINFO*>(info.data()),
                                                 bytes.data() + file.bfOffBits, pixelBytes);
    return std::unique_ptr<Picture>(
        new Picture(std::move(bitmap), header.biWidth, std::labs(header.biHeight)));
}

// HALFTONE averages the source pixels under each target pixel instead of
// repeating or dropping whole rows and columns; it needs the brush origin
// set after it is chosen.
void Picture::Draw(HDC target, int left, int top, int width, int height) const {
    const ScopedMemoryDc source(CreateCompatibleDC(target));
    const ScopedSelection selected(source.Get(), bitmap_.Get());
    if (width == width_ && height == height_) {
        BitBlt(target, left, top, width_, height_, source.Get(), 0, 0, SRCCOPY);
    } else {
        const int oldMode = SetStretchBltMode(target, HALFTONE);
        POINT oldOrigin;
        SetBrushOrgEx(target, 0, 0, &oldOrigin);
        StretchBlt(target, left, top, width, height, source.Get(), 0, 0, width_, height_, SRCCOPY);
        SetBrushOrgEx(target, oldOrigin.x, oldOrigin.y, nullptr);
        SetStretchBltMode(target, oldMode);
    }
}
