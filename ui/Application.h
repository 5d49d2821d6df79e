// The application object: its title and hidden top window, COM, the message
// loop and the default report of an error that escapes an event handler.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace Application {

inline constexpr const char* kTitle = "Solquera";

// Initialises COM as a single-threaded apartment on the calling (UI) thread
// and makes the hidden application window that owns the forms.
void Initialize();

// The hidden top window; the taskbar button, if any, is its.
HWND Handle();

// Handles messages until the quit message arrives.
void Run();

// Waits for one message and handles it.
void HandleMessage();

// Handles every message already waiting, then returns.
void ProcessMessages();

// True once the quit message has been seen by any loop of the thread.
bool Terminated();

// The default error handling: the error's text in a message box with a
// stop icon, titled with the application's title.
void ShowException(const std::exception& error);

// Runs an event handler; an error escaping it is shown by ShowException and
// the program goes on. False when the handler failed.
bool Guard(const std::function<void()>& handler);

}  // namespace Application
