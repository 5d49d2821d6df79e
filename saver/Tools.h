// Platform tests.
#pragma once

// True on the NT family of Windows, where a saver asks for no password itself.
bool IsWindowsNT();
