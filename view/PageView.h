// The view the slideshow shows its pages in: a child window of the slideshow
// window that loads a page file and plays the leaving page's transition. Two
// views stand behind this interface: the system's hosted HTML view and our
// own, which draws the pages itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

class RandomGenerator;
struct PageContent;

class PageView {
public:
    PageView() = default;
    virtual ~PageView() = default;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Shows the page file at this plain path (system code page). Returns at once;
    // loading and the transition run in the message loop. Raises an Error when
    // the view refuses the navigation or no longer exists.
    virtual void Navigate(const std::string& pageFile) = 0;

    // Shows a page given by its content, with its photograph (if it has one)
    // decoded from these JPEG bytes: how the slideshow's own pages reach a
    // view that draws them itself, wherever their files lie. False, and
    // nothing shown, for a view that knows only files.
    virtual bool ShowPage(const PageContent& /*page*/, std::string_view /*photoJpeg*/) { return false; }

    // Whether the view draws frames (false while the display is off); a view
    // that does not draw the pages itself goes on as it is.
    virtual void SetDisplayOn(bool /*on*/) {}

    // Placement in the parent's client coordinates.
    void SetLeft(int left);
    void SetBounds(int left, int top, int width, int height);

    // Width of the view's client area; setting it widens or narrows the view by
    // the difference, whatever frame the view draws outside that area.
    virtual int ClientWidth() const;
    void SetClientWidth(int width);

    void Show();

protected:
    // Makes the view's own child window, of a class of the view's, at the
    // slideshow window's design place (left 56, top 140, 545 x 429; visible,
    // not a tab stop). Its messages go to HandleMessage. False when it cannot
    // be made.
    bool CreateViewWindow(const char* className, HBRUSH background, DWORD exStyle, DWORD style, HWND parent);
    // What the view does not handle goes on to DefWindowProcA. An exception
    // escaping it is shown in the application's error box, and the message
    // gets the system's default handling instead.
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The view's own child window; null once it has been destroyed, after
    // which placement does nothing.
    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
};

// Our own view, which draws the pages itself (view/BuiltInView.h); its random
// transitions draw from `random`. Raises an Error when its window cannot be made.
std::unique_ptr<PageView> CreateBuiltInView(HWND parent, RandomGenerator& random);
