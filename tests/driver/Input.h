// Real input, as a user makes it: it goes through the system's input queue
// to whichever window is in the foreground.
#pragma once

#include <windows.h>

#include <initializer_list>

// Keys held down in order, then released in the reverse order.
void PressKeys(std::initializer_list<WORD> keys);

// A press and release of the left button where the cursor is, both stamped
// with the time given (0: the system stamps them). Two clicks stamped alike
// are a double-click however long lies between them.
void ClickLeftButton(DWORD time = 0);

// The window with the keyboard focus in the thread of the window given.
HWND FocusOf(HWND window);
