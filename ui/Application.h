// The application object: its title, COM, the message loop and the default
// report of an error that escapes an event handler.
#pragma once

#include <exception>
#include <string>

namespace Application {

inline constexpr const char* kTitle = "Solquera";

// Initialises COM as a single-threaded apartment on the calling (UI) thread.
void Initialize();

// Handles messages until the quit message arrives.
void Run();

// Handles every message already waiting, then returns; true once the quit
// message has been seen, here or in any earlier loop.
bool ProcessMessages();
bool Terminated();

// The framework's default error handling: the error's text in a message box
// with a stop icon, titled with the application's title.
void ShowException(const std::exception& error);

}  // namespace Application
