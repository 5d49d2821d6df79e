// The page view on the real WebBrowser control, hosted in a test window. Under
// Wine the control is created, placed and navigates, but draws nothing, so
// these tests look at windows, sizes, errors and the control site's lifetime.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <fstream>
#include <optional>

#include "driver/DisplaySettings.h"
#include "driver/TestWindow.h"
#include "slideshow/HtmlView.h"
#include "ui/Error.h"

using namespace std::chrono_literals;

namespace {

constexpr const char* kControlWindowClass = "Shell Embedding";

// Hidden: Wine under a bare X server waits two seconds for a shown top-level
// window to be withdrawn when it is destroyed.
HWND CreateParent(int width, int height) {
    return CreateTestWindow({.className = "HtmlViewTestParent",
                             .style = WS_POPUP | WS_CLIPCHILDREN,
                             .bounds = {0, 0, width, height}});
}

// The view's own window: the parent's only child.
HWND ViewWindow(HWND parent) {
    return GetWindow(parent, GW_CHILD);
}

BOOL CALLBACK FindControlWindow(HWND window, LPARAM result) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != kControlWindowClass) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The window the control made for itself, somewhere below the parent.
HWND HostedControl(HWND parent) {
    HWND found = nullptr;
    EnumChildWindows(parent, FindControlWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct Placement {
    int left, top, width, height;
    bool operator==(const Placement&) const = default;
};

void PrintTo(const Placement& p, std::ostream* out) {
    *out << "(" << p.left << ", " << p.top << ", " << p.width << " x " << p.height << ")";
}

Placement PlacementInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Its own visibility flag: the test window itself stays hidden.
bool ShownInItsParent(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

int ClientWidthOf(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    return area.right - area.left;
}

template <typename Action>
std::optional<Error> ErrorOf(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    return std::nullopt;
}

// A page file of the slideshow's kind in the temp directory, removed afterwards.
class PageFile {
public:
    PageFile() {
        path_ = TempDirectory() + "solquera-htmlview-test.htm";
        std::ofstream(path_) << "<html><body style=\"margin:0;background:black\"></body></html>";
    }
    ~PageFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class HtmlViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void TearDown() override {
        if (IsWindow(parent_)) DestroyWindow(parent_);
        EXPECT_EQ(LiveWebBrowserSites(), 0) << "a control still holds its site";
    }

    HWND parent_ = CreateParent(640, 480);
};

TEST_F(HtmlViewTest, HostsTheControlInPlaceAtTheDesignPlacement) {
    auto view = CreateWebBrowserView(parent_);
    const HWND window = ViewWindow(parent_);
    const HWND control = HostedControl(parent_);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(control, nullptr) << "no window of the control below the parent";
    EXPECT_EQ(GetParent(control), window);
    EXPECT_EQ(LiveWebBrowserSites(), 1);

    EXPECT_EQ(PlacementInParent(window), (Placement{56, 140, 545, 429}));
    EXPECT_EQ(PlacementInParent(control), (Placement{0, 0, 545, 429})) << "the control fills the view";
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(view->ClientWidth(), 545);
    EXPECT_EQ(view->ClientWidth(), ClientWidthOf(control));

    EXPECT_TRUE(ShownInItsParent(window));
    EXPECT_TRUE(ShownInItsParent(control));
    ShowWindow(window, SW_HIDE);
    view->Show();
    EXPECT_TRUE(ShownInItsParent(window));
}

TEST_F(HtmlViewTest, NavigatesAgainAndAgainToTheSamePageFile) {
    const PageFile page;
    auto view = CreateWebBrowserView(parent_);
    for (int photo = 0; photo < 3; ++photo) {
        EXPECT_NO_THROW(view->Navigate(page.Path())) << "navigation " << photo;
        Pause(200ms);
    }
    EXPECT_NE(HostedControl(parent_), nullptr);
}

TEST_F(HtmlViewTest, CoversTheWindowWithFrameAndScrollBarsOutside) {
    const int width = GetSystemMetrics(SM_CXHSCROLL) + 640 + 4;
    const int height = GetSystemMetrics(SM_CYVSCROLL) + 480 + 4;
    auto view = CreateWebBrowserView(parent_);
    view->SetLeft(640);  // parked beyond the window's right edge until it is laid out
    EXPECT_EQ(PlacementInParent(ViewWindow(parent_)), (Placement{640, 140, 545, 429}));

    view->SetBounds(-2, -2, width, height);
    EXPECT_EQ(PlacementInParent(ViewWindow(parent_)), (Placement{-2, -2, width, height}));
    EXPECT_EQ(PlacementInParent(HostedControl(parent_)), (Placement{0, 0, width, height}));
    EXPECT_EQ(view->ClientWidth(), width);
}

TEST_F(HtmlViewTest, WidensAPreviewSizedViewToTheMinimumClientWidth) {
    DestroyWindow(parent_);
    parent_ = CreateParent(152, 112);
    const int width = GetSystemMetrics(SM_CXHSCROLL) + 152 + 4;
    const int height = GetSystemMetrics(SM_CYVSCROLL) + 112 + 4;
    auto view = CreateWebBrowserView(parent_);
    view->SetBounds(-2, -2, width, height);
    ASSERT_LT(view->ClientWidth(), 700);

    view->SetClientWidth(700);
    EXPECT_EQ(view->ClientWidth(), 700);
    EXPECT_EQ(ClientWidthOf(HostedControl(parent_)), 700);
    EXPECT_EQ(PlacementInParent(ViewWindow(parent_)), (Placement{-2, -2, 700, height}));
}

TEST_F(HtmlViewTest, DestroyingTheParentReleasesTheControl) {
    const PageFile page;
    auto view = CreateWebBrowserView(parent_);
    view->Navigate(page.Path());
    DestroyWindow(parent_);
    EXPECT_EQ(LiveWebBrowserSites(), 0);
    Pause(300ms);  // whatever the control had queued finds its windows gone

    // What the slideshow may still ask of a view whose window is gone.
    view->SetLeft(10);
    view->SetBounds(-2, -2, 100, 100);
    view->SetClientWidth(700);
    view->Show();
    EXPECT_EQ(view->ClientWidth(), 0);
    const auto error = ErrorOf([&] { view->Navigate(page.Path()); });
    ASSERT_TRUE(error) << "navigating a destroyed view raised nothing";
    EXPECT_STREQ(error->TypeName(), "OleError");
    EXPECT_NE(std::string(error->what()).find(page.Path()), std::string::npos) << error->what();
    EXPECT_NE(std::string(error->what()).find("0x800401FD"), std::string::npos) << error->what();
    EXPECT_NE(error->Address(), nullptr);
}

TEST_F(HtmlViewTest, DestroyingTheViewRemovesItsWindow) {
    auto view = CreateWebBrowserView(parent_);
    view.reset();
    EXPECT_EQ(ViewWindow(parent_), nullptr);
    EXPECT_EQ(LiveWebBrowserSites(), 0);
    EXPECT_TRUE(IsWindow(parent_));
}

TEST_F(HtmlViewTest, CreationWithoutAParentWindowFails) {
    const auto error = ErrorOf([] { CreateWebBrowserView(nullptr); });
    ASSERT_TRUE(error);
    EXPECT_STREQ(error->TypeName(), "OleError");
    EXPECT_NE(std::string(error->what()).find("HRESULT 0x"), std::string::npos) << error->what();
}

}  // namespace
