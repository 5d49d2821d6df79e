// The page view that hosts the system's WebBrowser control; nothing of COM
// leaks out of its module.
#pragma once

#include <windows.h>

#include <memory>

#include "view/PageView.h"

// The view of the slideshow window's design: left 56, top 140, 545 x 429, visible,
// not a tab stop. It lives as long as its window: destroying the parent releases
// the control, and a later Navigate raises an Error. Needs COM initialised as a
// single-threaded apartment on the calling thread; raises an Error when the
// control cannot be created or activated.
std::unique_ptr<PageView> CreateWebBrowserView(HWND parent);

// Control sites not yet released by their control: 0 once every view is gone.
int LiveWebBrowserSites();
