#include "slideshow/PageBuilder.h"

#include "slideshow/PageText.h"
#include "slideshow/SlideSequence.h"

BuiltPage BuildStartPage(std::string_view exitMeta) {
    return {StartPage(exitMeta), {ReadExitTransition(exitMeta), std::nullopt}};
}

BuiltPage BuildPhotoPage(std::string_view exitMeta, PixelSize photo, std::int32_t windowWidth,
                         std::int32_t windowHeight, std::string_view photoSource) {
    const PhotoFit fit = FitPhoto(photo.width, photo.height, windowWidth, windowHeight);
    // The table reaches one pixel beyond the window, its cell the window's size (see PhotoPage).
    PagePhoto placed{
        std::string(photoSource), fit, {windowWidth + 1, windowHeight + 1}, {windowWidth, windowHeight}};
    return {PhotoPage(exitMeta, windowWidth, windowHeight, photoSource, fit),
            {ReadExitTransition(exitMeta), std::move(placed)}};
}
