// A top-level or child window object: one window procedure for every form,
// the object found from WM_NCCREATE; a replaceable message handler; a modal
// run. Errors escaping a handler go to the application's default report.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Application.h"

// A message as the handlers see it; result starts at 0 and is what the
// window returns to the system.
struct Message {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

// What the window is made of; a form may change it in CreateParams.
struct CreateParamsRecord {
    DWORD style;
    DWORD exStyle;
    HWND parent;
    int left, top, width, height;
};

// The settings a form's description gives its window; sizes at 96 dpi.
struct FormLayout {
    const char* caption;
    int clientWidth, clientHeight;
    COLORREF color;
    bool bordered;  // false: a borderless popup
    bool stayOnTop;
    bool keyPreview;  // the form's key handler sees keys meant for its children first
};

class Form : private Application::MessageFilter {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return handle_; }
    // The DPI the form is drawn for: its layout's sizes are scaled to it.
    int Dpi() const { return dpi_; }

    // A handler of the form's messages: one of its member functions, or of a
    // form derived from it (converted with static_cast).
    using MessageHandler = void (Form::*)(Message&);
    // The installed message handler; starts as the form's own handling.
    MessageHandler WindowProc = &Form::DefaultHandler;
    // The form's own handling of a message: its handlers, then the system's.
    void DefaultHandler(Message& message);

    int Width() const;
    int Height() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetBounds(int left, int top, int width, int height);
    void SetHeight(int height);
    void Maximize();
    void Hide();
    void SetCaption(const std::string& caption);
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

    // Shows the form, runs messages until it closes or the quit message
    // arrives, and hides it again.
    void ShowModal();
    // Asks the form to close: ends its modal run, after OnClose.
    void Close();

protected:
    explicit Form(const FormLayout& layout);
    // Makes the system window; call once from the derived constructor.
    void CreateWindowFromLayout();
    // Runs OnCreate; call once the form's components exist.
    void RunCreateHandler();

    virtual void CreateParams(CreateParamsRecord&) {}
    virtual void OnCreate() {}
    virtual void OnActivate() {}
    virtual void OnClose() {}
    virtual void OnDestroy() {}
    // The monitors, their sizes or their places have changed.
    virtual void OnDisplayChange() {}
    // A power event (WM_POWERBROADCAST's wParam and lParam); the system's
    // answer follows.
    virtual void OnPowerBroadcast(WPARAM /*event*/, LPARAM /*data*/) {}
    virtual void OnKeyDown(WPARAM /*key*/) {}
    // Returns true when the command was handled and must not go on.
    virtual bool OnSysCommand(WPARAM /*command*/) { return false; }
    // What the form's controls report or ask: WM_COMMAND, WM_NOTIFY, the
    // WM_CTLCOLOR* family and WM_SETCURSOR. True when handled, with the
    // message's result set; otherwise the system's handling follows.
    virtual bool OnControlMessage(Message& /*message*/) { return false; }
    // The form now stands on a monitor of another DPI (Dpi() tells it); the
    // system suggests the place at that DPI. A form that lays itself out for
    // its DPI does it here and takes the place.
    virtual void OnDpiChanged(const RECT& /*suggested*/) {}
    // The window is activated or deactivated (WM_ACTIVATE's state). True when
    // the form has given the focus itself, which the system then leaves.
    virtual bool OnActivation(WORD /*state*/) { return false; }

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    void Paint();
    void FitToScreen(MINMAXINFO& info) const;
    void CoverMonitor();
    void FitClientToDpi();
    bool PreTranslate(const MSG& message) override;

    const FormLayout& layout_;
    HWND handle_ = nullptr;
    bool doubleBuffered_ = false;
    bool maximized_ = false;
    bool inModalRun_ = false;
    bool closeRequested_ = false;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
};
