// The page view that draws the pages itself: it reads each page file (or is
// handed a page's content and photograph), decodes the photograph and plays
// the leaving page's exit transition. It takes the hosted control's place
// where the system's HTML engine no longer plays page transitions.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "base/RandomGenerator.h"
#include "view/PageReader.h"
#include "view/PageView.h"

class BuiltInView : public PageView {
public:
    // Shows a page given by its content, with its photograph (if it has one)
    // decoded from these JPEG bytes: how a window that writes no page files
    // shows photographs. Raises an Error when the bytes are not a readable
    // JPEG image; the view then stays as it was.
    virtual void ShowPage(const PageContent& page, std::string_view photoJpeg) = 0;
};

// The view of the slideshow window's design (left 56, top 140, 545 x 429,
// visible, not a tab stop), black until the first page. Like the control, it
// draws a two-pixel frame around its client area. The random transitions draw
// from `random`. Raises an Error when the window cannot be made.
std::unique_ptr<BuiltInView> CreateBuiltInView(HWND parent, RandomGenerator& random);
