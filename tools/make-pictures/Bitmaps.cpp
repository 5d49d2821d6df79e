#include "Bitmaps.h"

#include "Font.h"
#include "Image.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace {

constexpr int kLogoSize = 100;
constexpr int kIconSize = 32;

void Put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitsPerPixel, unsigned imageSize,
                   unsigned coloursUsed) {
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);  // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

// Fraction (0..1) of the pixel at (x, y) that `inside` covers, from 4 x 4 samples.
double Coverage(int x, int y, const std::function<bool(double, double)>& inside) {
    int hits = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
    return hits / 16.0;
}

// A sun: a ring with twelve rays, round the middle of the upper part.
bool InSun(double x, double y) {
    const double dx = x - 50, dy = y - 40, r = std::hypot(dx, dy);
    if (r >= 17 && r <= 23) return true;
    if (r < 27 || r > 36) return false;
    const double angle = std::atan2(dy, dx) * 6 / M_PI;  // twelve rays
    return std::abs(angle - std::round(angle)) < 0.12;
}

// The logo as grey levels 0 (black) to 15 (white): the sun, the maker's name below.
Image LogoPicture() {
    Image name(kLogoSize, kGlyphHeight);
    FillRect(name, 0, 0, kLogoSize, kGlyphHeight, {255, 255, 255});
    const std::string maker = "ORVANDEL";
    DrawText(name, (kLogoSize - TextWidth(maker)) / 2, 0, maker, {0, 0, 0}, 1, true);
    Image logo(kLogoSize, kLogoSize, {255, 255, 255});
    for (int y = 0; y < kLogoSize; ++y)
        for (int x = 0; x < kLogoSize; ++x) {
            const uint8_t level = static_cast<uint8_t>(std::lround(255 * (1 - Coverage(x, y, InSun))));
            logo.set(x, y, {level, level, level});
        }
    Paste(logo, name, 0, 80);
    return logo;
}

}  // namespace

std::vector<uint8_t> MakeLogoBmp() {
    const Image logo = LogoPicture();
    const unsigned rowBytes = (kLogoSize * 4 + 31) / 32 * 4;
    const unsigned imageSize = rowBytes * kLogoSize;
    const unsigned offset = 14 + 40 + 16 * 4;
    std::vector<uint8_t> out{'B', 'M'};
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, kLogoSize, kLogoSize, 4, imageSize, 16);
    for (unsigned level = 0; level < 16; ++level) {
        const uint8_t grey = level * 0x11;
        out.insert(out.end(), {grey, grey, grey, 0});
    }
    for (int y = kLogoSize - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < kLogoSize; ++x) {
            const unsigned index = (logo.at(x, y).r + 8) / 17;  // grey level to palette index
            row[x / 2] |= x % 2 ? index : index << 4;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

namespace {

// Palette: the 6 x 6 x 6 colour cube, then 40 greys.
Rgb PaletteColour(unsigned index) {
    if (index < 216)
        return {static_cast<uint8_t>(index / 36 * 51), static_cast<uint8_t>(index / 6 % 6 * 51),
                static_cast<uint8_t>(index % 6 * 51)};
    const uint8_t grey = static_cast<uint8_t>((index - 216) * 255 / 39);
    return {grey, grey, grey};
}

unsigned NearestPaletteIndex(Rgb colour) {
    unsigned best = 0;
    int bestDistance = 1 << 30;
    for (unsigned index = 0; index < 256; ++index) {
        const Rgb p = PaletteColour(index);
        const int distance = (p.r - colour.r) * (p.r - colour.r) + (p.g - colour.g) * (p.g - colour.g) +
                             (p.b - colour.b) * (p.b - colour.b);
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

// A photo on a slide: sky, sun and hills inside a white frame.
Image IconPicture() {
    Image icon(kIconSize, kIconSize, {255, 255, 255});
    FrameRect(icon, 1, 3, 30, 26, {102, 102, 102});
    for (int y = 5; y < 27; ++y)
        for (int x = 3; x < 29; ++x) {
            const double hill = 20 + 3 * std::sin(x * 0.35) - (x > 16 ? (x - 16) * 0.3 : 0);
            Rgb colour = Mix({51, 102, 204}, {153, 204, 255}, (y - 5) / 22.0);
            if (std::hypot(x - 21.5, y - 11.5) < 4) colour = {255, 204, 0};
            if (y > hill) colour = Mix({51, 153, 51}, {0, 102, 0}, (y - hill) / 8);
            icon.set(x, y, colour);
        }
    return icon;
}

}  // namespace

std::vector<uint8_t> MakeIcon() {
    const Image icon = IconPicture();
    const unsigned maskRowBytes = 4;  // 32 pixels, one bit each, already a multiple of 4 bytes
    const unsigned imageSize = 40 + 256 * 4 + kIconSize * kIconSize + maskRowBytes * kIconSize;
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);                                        // icon
    Put16(out, 1);                                        // one image
    out.insert(out.end(), {kIconSize, kIconSize, 0, 0});  // 0 colours: 256
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, imageSize);
    Put32(out, 6 + 16);
    PutInfoHeader(out, kIconSize, kIconSize * 2, 8, 0, 256);  // height counts colour and mask
    for (unsigned index = 0; index < 256; ++index) {
        const Rgb c = PaletteColour(index);
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = kIconSize - 1; y >= 0; --y)
        for (int x = 0; x < kIconSize; ++x)
            out.push_back(static_cast<uint8_t>(NearestPaletteIndex(icon.at(x, y))));
    out.insert(out.end(), maskRowBytes * kIconSize, 0);  // every pixel opaque
    return out;
}
