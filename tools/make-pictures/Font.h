// Text for the dialog pictures in a 6 x 10 pixel font. The glyphs are those of
// the public-domain "6x10" misc-fixed X11 font (Debian package xfonts-base).
#pragma once

#include "Image.h"

#include <string_view>

constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 10;

int TextWidth(std::string_view text, int scale = 1);
// Draws printable ASCII with its top-left corner at (x, y); `bold` doubles each
// stroke one pixel to the right.
void DrawText(Image& image, int x, int y, std::string_view text, Rgb colour, int scale = 1,
              bool bold = false);
