#include "ui/Form.h"

#include <vector>

#include "ui/Dpi.h"
#include "ui/LayoutRow.h"
#include "ui/Scoped.h"
#include "ui/WindowBinding.h"

namespace {

constexpr const char* kFormClass = "SolqueraForm";

void RegisterFormClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    windowClass.lpszClassName = kFormClass;
    RegisterClassExA(&windowClass);
    registered = true;
}

// Thread windows other than the modal form, disabled for its run: enabled
// again however the run ends.
struct DisabledWindows {
    HWND modal;
    std::vector<ScopedDisabledWindow> windows;
};

// A window is disabled only once there is room to record it; when no more
// can be recorded, the rest stay enabled.
BOOL CALLBACK DisableOther(HWND window, LPARAM context) noexcept {
    auto& disabled = *reinterpret_cast<DisabledWindows*>(context);
    if (window != disabled.modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
        try {
            disabled.windows.emplace_back();
        } catch (...) {
            return FALSE;
        }
        disabled.windows.back() = DisableWindow(window);
    }
    return TRUE;
}

}  // namespace

Form::Form(const FormLayout& layout) : layout_(layout) {
    if (layout_.keyPreview) Application::AddMessageFilter(*this);
}

Form::~Form() {
    if (layout_.keyPreview) Application::RemoveMessageFilter(*this);
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void Form::CreateWindowFromLayout() {
    RegisterFormClass(StaticWindowProc);
    dpi_ = SystemDpi();
    RECT frame = {0, 0, ScaleForDpi(layout_.clientWidth, dpi_), ScaleForDpi(layout_.clientHeight, dpi_)};
    CreateParamsRecord params = {};
    params.style =
        layout_.bordered ? WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN : WS_POPUP | WS_CLIPCHILDREN;
    params.exStyle = layout_.stayOnTop ? WS_EX_TOPMOST : 0;
    AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
    params.parent = Application::Handle();
    params.left = CW_USEDEFAULT;
    params.top = CW_USEDEFAULT;
    params.width = frame.right - frame.left;
    params.height = frame.bottom - frame.top;
    CreateParams(params);
    CreateWindowExA(params.exStyle, kFormClass, layout_.caption, params.style, params.left, params.top,
                    params.width, params.height, params.parent, nullptr, GetModuleHandleA(nullptr), this);
    FitClientToDpi();
}

// A window on a monitor whose DPI is not the system's (per-monitor DPI,
// Windows 10) is drawn for that monitor's: its client area grows or shrinks.
void Form::FitClientToDpi() {
    const int dpi = WindowDpi(handle_);
    if (!handle_ || dpi == dpi_) return;
    dpi_ = dpi;
    RECT client, frame;
    GetClientRect(handle_, &client);
    GetWindowRect(handle_, &frame);
    SetWindowPos(handle_, nullptr, 0, 0,
                 frame.right - frame.left - client.right + ScaleForDpi(layout_.clientWidth, dpi_),
                 frame.bottom - frame.top - client.bottom + ScaleForDpi(layout_.clientHeight, dpi_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::RunCreateHandler() {
    Application::Guard([this] { OnCreate(); });
}

LRESULT CALLBACK Form::StaticWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Form* form = BoundOwner(window, msg, lParam, &Form::handle_);
    if (!form) return DefWindowProcA(window, msg, wParam, lParam);
    return form->Receive(msg, wParam, lParam);
}

LRESULT Form::Receive(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Message message{msg, wParam, lParam};
    const bool handled = Application::Guard([&] {
        // A copy: the handler may replace itself while it runs.
        const MessageHandler handler = WindowProc;
        (this->*handler)(message);
    });
    return handled ? message.result : 0;
}

void Form::DefaultHandler(Message& message) {
    switch (message.msg) {
        case WM_KEYDOWN:
            OnKeyDown(message.wParam);
            return;
        case WM_SYSKEYDOWN:
            OnKeyDown(message.wParam);
            break;
        case WM_SYSCOMMAND:
            if (OnSysCommand(message.wParam)) return;
            break;
        case WM_CLOSE:
            Close();
            return;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_ACTIVATE:
            if (OnActivation(LOWORD(message.wParam))) return;
            break;
        case WM_DISPLAYCHANGE:
            OnDisplayChange();
            break;
        case WM_POWERBROADCAST:
            OnPowerBroadcast(message.wParam, message.lParam);
            break;
        case WM_ERASEBKGND:
            message.result = 1;
            return;
        case WM_PAINT:
            Paint();
            return;
        case WM_GETMINMAXINFO:
            FitToScreen(*reinterpret_cast<MINMAXINFO*>(message.lParam));
            return;
        case WM_DPICHANGED:
            dpi_ = HIWORD(message.wParam);
            OnDpiChanged(*reinterpret_cast<const RECT*>(message.lParam));
            return;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_SETCURSOR:
            if (OnControlMessage(message)) return;
            break;
        default:
            break;
    }
    message.result = DefWindowProcA(handle_, message.msg, message.wParam, message.lParam);
}

namespace {

// Filled in a memory bitmap first and copied in one go, so that the screen
// never shows the area half filled.
void FillThroughMemory(HDC target, const RECT& area, HBRUSH brush) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    const ScopedMemoryDc memory(CreateCompatibleDC(target));
    const ScopedGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, width, height));
    const ScopedSelection selected(memory.Get(), bitmap.Get());
    const RECT local = {0, 0, width, height};
    FillRect(memory.Get(), &local, brush);
    BitBlt(target, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace

// The form's colour fills what its children leave; drawn through a memory
// bitmap when double buffering is on, so the background never flickers.
void Form::Paint() {
    const ScopedPaint paint(handle_);
    const ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(layout_.color));
    if (doubleBuffered_) {
        FillThroughMemory(paint.Dc(), paint.Area(), brush.Get());
    } else {
        FillRect(paint.Dc(), &paint.Area(), brush.Get());
    }
}

// A maximised borderless form covers the whole screen, not just the work area.
void Form::FitToScreen(MINMAXINFO& info) const {
    if (layout_.bordered) return;
    info.ptMaxPosition = {0, 0};
    info.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    info.ptMaxTrackSize = info.ptMaxSize;
}

namespace {

RECT WindowRectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    if (const HWND parent = GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

}  // namespace

int Form::Width() const {
    const RECT rect = WindowRectInParent(handle_);
    return rect.right - rect.left;
}

int Form::Height() const {
    const RECT rect = WindowRectInParent(handle_);
    return rect.bottom - rect.top;
}

int Form::ClientWidth() const {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.right;
}

int Form::ClientHeight() const {
    RECT rect;
    GetClientRect(handle_, &rect);
    return rect.bottom;
}

void Form::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetHeight(int height) {
    const RECT rect = WindowRectInParent(handle_);
    SetBounds(rect.left, rect.top, rect.right - rect.left, height);
}

void Form::Maximize() {
    maximized_ = true;
    if (IsWindowVisible(handle_)) {
        ShowWindow(handle_, SW_SHOWMAXIMIZED);
        CoverMonitor();
    }
}

// Without a window manager (as under Xvfb) a maximised popup may keep its
// size; a borderless form then covers its monitor explicitly.
void Form::CoverMonitor() {
    if (layout_.bordered) return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(handle_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcMonitor;
    SetWindowPos(handle_, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Hide() {
    ShowWindow(handle_, SW_HIDE);
}

void Form::SetCaption(const std::string& caption) {
    SetWindowTextA(handle_, caption.c_str());
}

void Form::ShowModal() {
    if (const HWND captured = GetCapture()) {
        SendMessageA(captured, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    DisabledWindows disabled{handle_, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&disabled));
    inModalRun_ = true;
    closeRequested_ = false;
    ShowWindow(handle_, maximized_ ? SW_SHOWMAXIMIZED : SW_SHOW);
    if (maximized_) CoverMonitor();
    Application::Guard([this] { OnActivate(); });
    while (!closeRequested_ && !Application::Terminated()) {
        Application::HandleMessage();
    }
    inModalRun_ = false;
    // Whatever the close handler activated (the dialog's owner, say) keeps
    // the activation: the form leaves the screen without handing it on.
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void Form::Close() {
    if (!Application::Guard([this] { OnClose(); })) return;
    if (inModalRun_) {
        closeRequested_ = true;
    } else {
        Hide();
    }
}

// A key meant for one of the form's windows reaches the form's key handler
// first; the form's own keys come the normal way.
bool Form::PreTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (message.hwnd == handle_) return false;
    for (HWND window = message.hwnd; window; window = GetParent(window)) {
        if (window == handle_) {
            OnKeyDown(message.wParam);
            break;
        }
    }
    return false;
}
