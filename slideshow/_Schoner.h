// The slideshow window.
#pragma once

// Entry of the preview and full-screen modes: returns when the slideshow has ended.
void StartSaver();
