// A run of the slideshow, preview or full screen: its start, which undoes
// itself when it fails, and its one shutdown, whoever asks for it.
#pragma once

// Entry of the preview and full-screen modes: returns when the slideshow has ended.
void StartSaver();

// The common shutdown: saver flag lowered, the window's part, browser
// settings restored, quit message posted; each step whatever an earlier
// one raised. The first failure goes to the debug output (see
// Application::LogCurrentException). Harmless when run again.
void StopSaver() noexcept;

// True from the first StopSaver on: the slideshow has ended, whatever still runs.
bool SlideshowStopped();
