#include "ui/DialogKeys.h"

#include <algorithm>
#include <utility>

#include "ui/Controls.h"

namespace {

bool Held(int key) {
    return GetKeyState(key) < 0;
}

// How many pages a key turns the page control on (negative: back); 0 for a
// key that turns none. Only with Ctrl, as in every tabbed dialog.
int PageStep(const MSG& message) {
    if (!Held(VK_CONTROL) || Held(VK_MENU)) return 0;
    switch (message.wParam) {
        case VK_TAB:
            return Held(VK_SHIFT) ? -1 : 1;
        case VK_NEXT:
            return 1;
        case VK_PRIOR:
            return -1;
        default:
            return 0;
    }
}

// Shown, and neither it nor a window around it inside the dialog disabled.
bool Reachable(HWND window, HWND dialog) {
    if (!IsWindowVisible(window)) return false;
    for (HWND current = window; current && current != dialog; current = GetParent(current)) {
        if (!IsWindowEnabled(current)) return false;
    }
    return true;
}

}  // namespace

DialogKeys::DialogKeys(HWND dialog, std::vector<HWND> tabStops, HWND defaultButton, HWND pageControl)
    : dialog_(dialog),
      tabStops_(std::move(tabStops)),
      defaultButton_(defaultButton),
      pageControl_(pageControl),
      lastFocus_(tabStops_.empty() ? nullptr : tabStops_.front()) {
    Application::AddMessageFilter(*this);
    ShowEnterButton();
}

DialogKeys::~DialogKeys() {
    Application::RemoveMessageFilter(*this);
}

// Every message for the dialog's windows is handled here, as the system's
// dialog manager handles them: after one the push button Enter would click
// shows it, since the focus may have moved.
bool DialogKeys::PreTranslate(const MSG& message) {
    if (!message.hwnd || (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd))) return false;
    if (!HandleKey(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (IsWindow(dialog_)) ShowEnterButton();
    return true;
}

// The page keys come first: the focused control would take Ctrl+Tab for a
// plain Tab. A key the focused control asks for is its own.
bool DialogKeys::HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (const int step = pageControl_ ? PageStep(message) : 0) {
        TurnPage(step);
        return true;
    }
    MSG query = message;  // the control may read the key it is asked about
    const auto wanted =
        SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&query));
    if (wanted & DLGC_WANTMESSAGE) return false;
    switch (message.wParam) {
        case VK_TAB:
            if (wanted & DLGC_WANTTAB) return false;
            MoveFocus(NextTabStop(GetFocus(), Held(VK_SHIFT)));
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            // Within the group of controls around the focused one, as the system moves it.
            if (wanted & DLGC_WANTARROWS) return false;
            MoveFocus(GetNextDlgGroupItem(dialog_, message.hwnd,
                                          message.wParam == VK_LEFT || message.wParam == VK_UP));
            return true;
        case VK_ESCAPE:
        case VK_CANCEL:
            SendMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
            return true;
        case VK_RETURN:
        case VK_EXECUTE:
            ClickEnterButton();
            return true;
        default:
            return false;
    }
}

// The focus stays where it was unless the page took it out of sight: then
// the tabs get it (and a list dropped down from the page closes as its box
// loses the focus).
void DialogKeys::TurnPage(int step) {
    const HWND focus = GetFocus();
    TurnPageControl(pageControl_, step);
    if (!IsWindowVisible(focus)) SetFocus(pageControl_);
}

// Moved by the keyboard, the focus shows where it is.
void DialogKeys::MoveFocus(HWND to) {
    if (to) SetFocus(to);
    SendMessageA(dialog_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// The reachable stop after (or before) from, all round; from outside the
// stops Tab starts at the first, Shift+Tab at the last.
HWND DialogKeys::NextTabStop(HWND from, bool previous) const {
    const std::size_t count = tabStops_.size();
    const auto found = std::find(tabStops_.begin(), tabStops_.end(), from);
    // From outside, one step back from the first (or on from the last).
    std::size_t index = previous ? 0 : count - 1;
    if (found != tabStops_.end()) index = static_cast<std::size_t>(found - tabStops_.begin());
    for (std::size_t step = 0; step < count; ++step) {
        index = (index + (previous ? count - 1 : 1)) % count;
        if (Reachable(tabStops_[index], dialog_)) return tabStops_[index];
    }
    return nullptr;
}

bool DialogKeys::FollowActivation(WORD state) {
    if (state == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); IsChild(dialog_, focus)) lastFocus_ = focus;
        return false;
    }
    if (!IsWindow(lastFocus_) || !IsChild(dialog_, lastFocus_)) return false;
    SetFocus(lastFocus_);
    return true;
}

// A focused push button is the one Enter clicks; otherwise the default button.
HWND DialogKeys::EnterButton() const {
    const HWND focus = GetFocus();
    const bool focusOnButton = IsChild(dialog_, focus) && (SendMessageA(focus, WM_GETDLGCODE, 0, 0) &
                                                           (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON));
    return focusOnButton ? focus : defaultButton_;
}

// The click reaches the dialog as a button's own click does.
void DialogKeys::ClickEnterButton() {
    const HWND button = EnterButton();
    if (!IsWindowEnabled(button)) return;
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// As in the system's dialogs, the push button Enter would click shows it by
// its heavier frame.
void DialogKeys::ShowEnterButton() {
    const HWND button = EnterButton();
    if (button == shownEnterButton_) return;
    if (IsWindow(shownEnterButton_)) SendMessageA(shownEnterButton_, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    shownEnterButton_ = button;
}
