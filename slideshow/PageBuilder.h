// The slideshow's pages, each built once both as the text a page file holds
// and as the content the built-in view shows: a window that writes no file
// (a companion, or the slideshow without a temp folder) shows the same page
// without reading its text back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Jpeg.h"
#include "view/PageReader.h"

struct BuiltPage {
    std::string text;
    PageContent content;
};

BuiltPage BuildStartPage(std::string_view exitMeta);

// The page of a photograph of this size, fitted to a window of this size by
// the fit rule; its source goes into the page verbatim.
BuiltPage BuildPhotoPage(std::string_view exitMeta, PixelSize photo, std::int32_t windowWidth,
                         std::int32_t windowHeight, std::string_view photoSource);
