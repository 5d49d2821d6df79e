// The keys of a dialog, as the system gives them to a window of its own
// dialog class: Tab, Shift+Tab and the arrows move the focus, Enter clicks,
// Escape cancels; with a page control, the page keys turn its pages. The
// form that has them owns them; the message loop shows them every message
// for the form's windows first.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/Application.h"

class DialogKeys : private Application::MessageFilter {
public:
    // tabStops in the order Tab visits them; the first has the focus when
    // the dialog is first activated. Enter clicks the focused push button or
    // else defaultButton; Escape sends the dialog the command IDCANCEL.
    // Ctrl+Tab and Ctrl+PageDown turn pageControl (if any) to its next page,
    // Ctrl+Shift+Tab and Ctrl+PageUp to the previous one, from anywhere.
    DialogKeys(HWND dialog, std::vector<HWND> tabStops, HWND defaultButton, HWND pageControl);
    ~DialogKeys();
    DialogKeys(const DialogKeys&) = delete;
    DialogKeys& operator=(const DialogKeys&) = delete;

    // For WM_ACTIVATE: the focus leaves with the activation and comes back to
    // the same control. True when it has given the focus.
    bool FollowActivation(WORD state);

private:
    bool PreTranslate(const MSG& message) override;
    bool HandleKey(const MSG& message);
    void TurnPage(int step);
    void MoveFocus(HWND to);
    HWND NextTabStop(HWND from, bool previous) const;
    HWND EnterButton() const;
    void ClickEnterButton();
    void ShowEnterButton();

    HWND dialog_;
    std::vector<HWND> tabStops_;
    HWND defaultButton_;
    HWND pageControl_;
    HWND lastFocus_;
    HWND shownEnterButton_ = nullptr;
};
