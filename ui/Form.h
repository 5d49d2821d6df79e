// A top-level or child window object: one window procedure for every form,
// the object found from WM_NCCREATE; a replaceable message handler; a modal
// run. Errors escaping a handler go to the application's default report.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A message as the handlers see it; result starts at 0 and is what the
// window returns to the system.
struct Message {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

using MessageHandler = std::function<void(Message&)>;

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

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return handle_; }
    // The DPI the form is drawn for: its layout's sizes are scaled to it.
    int Dpi() const { return dpi_; }

    // The installed message handler; starts as the form's own handling.
    MessageHandler WindowProc;
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

    // The form a key meant for this window (or one of its children) goes to
    // first, when that form previews keys.
    static Form* KeyPreviewFormOf(HWND window);
    void PreviewKey(const MSG& message);

    // The form whose dialog keys (Tab, Enter, Escape) a message for this
    // window (or one of its controls) is checked for first; nullptr if none.
    static Form* DialogKeysFormOf(HWND window);
    // Handles the message when it is one of the form's dialog keys; true then.
    bool TranslateDialogKey(const MSG& message);
    // As in the system's dialogs, the push button Enter would click shows it
    // by its heavier frame; called after each message, since the focus may
    // have moved.
    void ShowEnterButton();

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

    // Turns on the dialog keys: Tab and Shift+Tab move the focus through the
    // controls' tab stops, Enter clicks the focused push button or else the
    // default button, Escape sends IDCANCEL as a command. firstFocus gets the
    // focus when the form is first activated; later the control that had it
    // last. With a page control, Ctrl+Tab and Ctrl+PageDown turn to its next
    // page, Ctrl+Shift+Tab and Ctrl+PageUp to the previous one, from anywhere.
    void SetDialogKeys(HWND defaultButton, HWND firstFocus, HWND pageControl);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    void Paint();
    void FitToScreen(MINMAXINFO& info) const;
    void CoverMonitor();
    void FitClientToDpi();
    bool HandleDialogMessage(Message& message);
    HWND NextTabStop(HWND from, bool previous) const;
    void TurnPage(int step);
    HWND EnterButton() const;

    const FormLayout& layout_;
    HWND handle_ = nullptr;
    bool doubleBuffered_ = false;
    bool maximized_ = false;
    bool inModalRun_ = false;
    bool closeRequested_ = false;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    HWND defaultButton_ = nullptr;  // set when the form has dialog keys
    HWND pageControl_ = nullptr;
    HWND lastFocus_ = nullptr;
    HWND shownEnterButton_ = nullptr;
};
