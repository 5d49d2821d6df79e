// The page view on the system's WebBrowser control: the control is hosted in
// place inside a container window of our own, with the smallest client site it
// accepts. The container ties the control's life to the window's: whoever
// destroys the window (the view or its parent) closes and releases the control.
#include "slideshow/HtmlView.h"

#include <exdisp.h>
#include <ole2.h>

#include <cstdio>

#include "ui/Error.h"
#include "ui/Scoped.h"

namespace {

constexpr const char* kContainerClass = "SolqueraPageView";

int liveSites = 0;

ErrorText OleError(const std::string& what, HRESULT hr) {
    char code[32];
    std::snprintf(code, sizeof code, " (HRESULT 0x%08lX)", static_cast<unsigned long>(hr));
    return {"OleError", what + code};
}

// The control's window on our side: the container is both its site window and
// its frame. It needs no document window, menus, borders or accelerators.
// Nor a UI handler: the process is DPI aware, and a host that answers
// GetHostInfo with DOCHOSTUIFLAG_DPI_AWARE would switch the engine to zooming
// pages by the system's DPI. Without it the engine counts a page's pixels as
// screen pixels, so the pages, sized in the window's physical pixels, fill
// it exactly at any DPI.
// Controls keep references to their site, so it counts its own and may outlive
// the view that made it. The control calls these methods from its own code:
// none may let an exception out, and none raises any.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit BrowserSite(HWND container) : container_(container) { ++liveSites; }
    BrowserSite(const BrowserSite&) = delete;
    BrowserSite& operator=(const BrowserSite&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) noexcept override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
            *object = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
            *object = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() noexcept override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() noexcept override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) noexcept override {
        if (!moniker) return E_POINTER;
        *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) noexcept override {
        if (!container) return E_POINTER;
        *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() noexcept override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() noexcept override { return E_NOTIMPL; }

    // IOleWindow, for both the site and the frame
    STDMETHODIMP GetWindow(HWND* window) noexcept override {
        if (!window) return E_POINTER;
        *window = container_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() noexcept override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() noexcept override { return S_OK; }
    STDMETHODIMP OnUIActivate() noexcept override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                  RECT* clip, OLEINPLACEFRAMEINFO* info) noexcept override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = this;
        AddRef();
        *document = nullptr;
        GetClientRect(container_, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(container_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() noexcept override { return S_OK; }
    STDMETHODIMP DiscardUndoState() noexcept override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() noexcept override { return S_OK; }
    // The container decides the control's size; it fills the container always.
    STDMETHODIMP OnPosRectChange(LPCRECT) noexcept override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) noexcept override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) noexcept override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) noexcept override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) noexcept override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) noexcept override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) noexcept override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) noexcept override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) noexcept override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) noexcept override { return S_FALSE; }

private:
    ~BrowserSite() { --liveSites; }

    // The first owner's AddRef counts the new site (MinGW's ComPtr::Attach adds a
    // reference of its own, unlike the original, so a count starting at 1 would leak).
    ULONG refs_ = 0;
    HWND container_;
};

// The page path as the control takes it: UTF-16, converted from the system code page.
ScopedBstr ToBstr(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    ScopedBstr result(SysAllocStringLen(nullptr, length));
    if (result) MultiByteToWideChar(CP_ACP, 0, text.data(), size, result.Get(), length);
    return result;
}

std::string CannotShow(const std::string& pageFile) {
    return "The HTML view cannot show '" + pageFile + "'";
}

class WebBrowserView final : public PageView {
public:
    explicit WebBrowserView(HWND parent);
    ~WebBrowserView() override;

    void Embed();

    void Navigate(const std::string& pageFile) override;
    int ClientWidth() const override;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void FitControl();
    void ReleaseControl();

    ComPtr<BrowserSite> site_;
    ComPtr<IOleObject> control_;
    ComPtr<IOleInPlaceObject> inPlace_;
    ComPtr<IWebBrowser2> browser_;
};

WebBrowserView::WebBrowserView(HWND parent) {
    // Black like the pages, for the moment before the control draws the first.
    if (!CreateViewWindow(kContainerClass, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 0,
                          WS_CLIPCHILDREN, parent)) {
        Raise(OleError("The HTML view's window cannot be created", HRESULT_FROM_WIN32(GetLastError())));
    }
}

WebBrowserView::~WebBrowserView() {
    if (window_) DestroyWindow(window_);
    ReleaseControl();
}

void WebBrowserView::Embed() {
    HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&control_));
    if (FAILED(hr)) Raise(OleError("The HTML view cannot be created", hr));
    site_ = new BrowserSite(window_);
    RECT area;
    GetClientRect(window_, &area);
    hr = control_->SetClientSite(site_.Get());
    if (SUCCEEDED(hr))
        hr = control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window_, &area);
    if (SUCCEEDED(hr)) hr = control_.As(&inPlace_);
    if (SUCCEEDED(hr)) hr = control_.As(&browser_);
    if (FAILED(hr)) Raise(OleError("The HTML view cannot be activated", hr));
}

LRESULT WebBrowserView::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            FitControl();
            return 0;
        case WM_DESTROY:
            // The control's own window is still alive here; closing the control destroys it.
            ReleaseControl();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void WebBrowserView::FitControl() {
    if (!inPlace_) return;
    RECT area;
    GetClientRect(window_, &area);
    inPlace_->SetObjectRects(&area, &area);
}

void WebBrowserView::ReleaseControl() {
    if (control_) {
        control_->Close(OLECLOSE_NOSAVE);
        // Close keeps the site for a later DoVerb; this lets it go.
        control_->SetClientSite(nullptr);
    }
    browser_.Reset();
    inPlace_.Reset();
    control_.Reset();
    site_.Reset();
}

void WebBrowserView::Navigate(const std::string& pageFile) {
    if (!browser_)
        Raise(OleError(CannotShow(pageFile) + ": the view no longer exists", CO_E_OBJNOTCONNECTED));
    // The four optional arguments (flags, target frame, post data, headers) stay empty.
    VARIANT empty;
    VariantInit(&empty);
    const ScopedBstr url = ToBstr(pageFile);
    if (!url) Raise(OleError(CannotShow(pageFile), E_OUTOFMEMORY));
    const HRESULT hr = browser_->Navigate(url.Get(), &empty, &empty, &empty, &empty);
    if (FAILED(hr)) Raise(OleError(CannotShow(pageFile), hr));
}

int WebBrowserView::ClientWidth() const {
    HWND control = nullptr;
    if (!inPlace_ || FAILED(inPlace_->GetWindow(&control))) return 0;
    RECT area;
    GetClientRect(control, &area);
    return area.right - area.left;
}

}  // namespace

std::unique_ptr<PageView> CreateWebBrowserView(HWND parent) {
    auto view = std::make_unique<WebBrowserView>(parent);
    view->Embed();
    return view;
}

int LiveWebBrowserSites() {
    return liveSites;
}
