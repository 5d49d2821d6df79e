// Reads back the pages the slideshow writes: what the built-in page view
// needs to show one, and nothing the page text does not say.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/PageFormat.h"
#include "ui/Jpeg.h"

// The "Page-Exit" tag: the transition played when the next page replaces this one.
struct ExitTransition {
    enum class Kind { Cut, Fade, Reveal };
    Kind kind = Kind::Cut;
    // The reveal pattern number as written, whatever its value.
    std::int32_t pattern = 0;
    std::int32_t durationMs = 0;
};

// The photograph of a photo page in its one-cell table.
struct PagePhoto {
    std::string source;  // the img path, verbatim
    PhotoFit fit = PhotoFit::Height;
    PixelSize table;
    PixelSize cell;
};

struct PageContent {
    ExitTransition exit;
    std::optional<PagePhoto> photo;  // none on the black start page
};

// The first "Page-Exit" tag in the text (a cut when there is none); raises
// an Error when it is malformed.
ExitTransition ReadExitTransition(std::string_view text);

// Raises an Error naming what is wrong when the text is not a page of ours:
// no html element, a malformed exit tag, a photograph without its table,
// cell, source or fit attribute, or a size that is not a number or is
// larger than 32768 pixels.
PageContent ReadPage(std::string_view text);

// The file of a page's photograph: a relative source lies beside the page
// file, as in any browser. Raises an Error unless the file lies on a drive
// letter: a network path ("\\host\share\...") would connect to another
// computer and offer it the user's credentials, and a device or pipe
// ("\\.\pipe\...", "NUL") can keep the view waiting.
std::string PhotoFileOf(std::string_view source, std::string_view pageFile);
