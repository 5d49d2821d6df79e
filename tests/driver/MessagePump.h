// Waits that keep the test thread's windows alive: every wait handles the
// thread's messages meanwhile, since a window the test makes (a preview
// parent, a dialog owner, a view's parent) lives on that thread and others
// send messages to it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

// How long a test waits for something the saver does at once.
inline constexpr std::chrono::milliseconds kPromptly = std::chrono::seconds(10);

// Polls the condition until it holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPromptly);

// Lets the time pass while handling the test thread's messages.
void Pause(std::chrono::milliseconds duration);

// Waits until the object (a process, an event) is signalled (true) or the
// timeout passes (false).
bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout);
