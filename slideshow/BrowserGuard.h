// While a slideshow runs, the HTML view must not click at every page change
// and must play the pages' transitions. Both are per-user settings of the
// browser: they are changed when the slideshow window is created and put
// back when it stops. Keys and values that do not exist are never created.
#pragma once

#include <string>

// Under HKEY_CURRENT_USER: the navigation sound is the key's default value.
inline constexpr const char* kNavigationSoundKey = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";
inline constexpr const char* kBrowserMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char* kPageTransitionsValue = "Page_Transitions";
// Appended to the sound's path so that it no longer names a file.
inline constexpr const char* kSoundMarker = "[deactivated]";

// Set by EnablePageTransitions when the switch existed and was 0.
extern bool PageTransitionsWereOff;

// Appends the marker to the sound value and returns the new text; empty when
// there is no sound value (or none that is text).
std::string MuteNavigationSound();

// Cuts the sound value before the marker's first occurrence, writes it back
// and returns it; empty when there is no sound value (or none that is text).
std::string RestoreNavigationSound();

// Switches page transitions on when the switch exists, noting whether it was off.
void EnablePageTransitions();

// Switches page transitions off when the switch exists.
void DisablePageTransitions();
