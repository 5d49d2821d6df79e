// The application object: its title and hidden top window, COM, the message
// loop and the default report of an error that escapes an event handler.
#pragma once

#include <windows.h>

namespace Application {

inline constexpr const char* kTitle = "Solquera";

// Initialises COM as a single-threaded apartment on the calling (UI) thread
// and makes the hidden application window that owns the forms.
void Initialize();

// The hidden top window; the taskbar button, if any, is its.
HWND Handle();

// Called when the session ends (logoff, restart, shutdown): the hidden
// window is the one top window every mode has, and the system ends the
// process as soon as the message is answered. The handler must not wait for
// anything. The hidden window agrees to every session end.
void OnSessionEnd(void (*handler)() noexcept);

// Sees every message the loops take before the system translates and
// dispatches it: a dialog's keys, a form's key preview.
class MessageFilter {
public:
    // True when the filter has handled the message, which then goes no further.
    virtual bool PreTranslate(const MSG& message) = 0;

protected:
    ~MessageFilter() = default;
};

// A filter sees the messages from its adding to its removal, after the
// filters added before it.
void AddMessageFilter(MessageFilter& filter);
void RemoveMessageFilter(MessageFilter& filter);

// Waits for one message and handles it.
void HandleMessage();

// Handles every message already waiting, then returns.
void ProcessMessages();

// True once the quit message has been seen by any loop of the thread. Each
// of our loops that takes it posts it again, so that the loops it is nested
// in, the system's modal loops of boxes among them, end as well.
bool Terminated();

// The default error handling, for the exception being handled (call it in a
// catch block): its text in a message box with a stop icon, titled with the
// application's title. An exception that is no standard one has no text of
// its own and is reported as unknown. A box never opens inside another: an
// error while one is open is not shown.
void ShowCurrentException() noexcept;

// The exception being handled (call it in a catch block) as one debug line
// (under Wine it shows with WINEDEBUG=+debugstr): "Solquera: context: text".
// For a failure that no one is there to read.
void LogCurrentException(const char* context) noexcept;

// Runs an event handler; any exception escaping it is shown by
// ShowCurrentException and the program goes on. False when the handler failed.
// Every function the system calls runs its handlers through here: an exception
// must not unwind through the system's frames, which the shipped 32-bit build
// cannot do.
template <typename Handler>
bool Guard(Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

}  // namespace Application
