// The view the slideshow shows its pages in: a child window of the slideshow
// window that loads a page file and plays its transitions. The rest of the
// program sees only this interface; the view behind it hosts the system's
// WebBrowser control, and nothing of COM leaks out of its module.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

class PageView {
public:
    virtual ~PageView() = default;

    // Shows the page file at this plain path (system code page). Returns at once;
    // loading and the transition run in the message loop. Raises an Error when
    // the view refuses the navigation or no longer exists.
    virtual void Navigate(const std::string& pageFile) = 0;

    // Placement in the parent's client coordinates.
    virtual void SetLeft(int left) = 0;
    virtual void SetBounds(int left, int top, int width, int height) = 0;

    // Width of the view's client area; setting it widens or narrows the view by
    // the difference, whatever frame the view draws outside that area.
    virtual int ClientWidth() const = 0;
    virtual void SetClientWidth(int width) = 0;

    virtual void Show() = 0;
};

// The view of the slideshow window's design: left 56, top 140, 545 x 429, visible,
// not a tab stop. It lives as long as its window: destroying the parent releases
// the control, and a later Navigate raises an Error. Needs COM initialised as a
// single-threaded apartment on the calling thread; raises an Error when the
// control cannot be created or activated.
std::unique_ptr<PageView> CreateWebBrowserView(HWND parent);

// Control sites not yet released by their control: 0 once every view is gone.
int LiveWebBrowserSites();
