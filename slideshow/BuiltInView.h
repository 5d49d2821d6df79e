// The page view that draws the pages itself: it reads each page file, decodes
// its photograph and plays the leaving page's exit transition. It takes the
// hosted control's place where the system's HTML engine no longer plays page
// transitions.
#pragma once

#include <windows.h>

#include <memory>

#include "slideshow/HtmlView.h"
#include "slideshow/RandomGenerator.h"

// The view of the slideshow window's design (left 56, top 140, 545 x 429,
// visible, not a tab stop), black until the first page. Like the control, it
// draws a two-pixel frame around its client area. The random transitions draw
// from `random`. Raises an Error when the window cannot be made.
std::unique_ptr<PageView> CreateBuiltInView(HWND parent, RandomGenerator& random);
