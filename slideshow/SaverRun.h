// A run of the slideshow, preview or full screen: its start, which undoes
// itself when it fails, and its one shutdown, whoever asks for it.
#pragma once

// Entry of the preview and full-screen modes: returns when the slideshow has ended.
void StartSaver();

// The common shutdown: saver flag lowered, the window's part, browser
// settings restored, quit message posted; each step whatever an earlier
// one raised, whose first error is raised again at the end. Harmless when
// run again.
void StopSaver();

// True from the first StopSaver on: the slideshow has ended, whatever still runs.
bool SlideshowStopped();
