// Which versions of the system's HTML engine play "Page-Exit" transitions.
#pragma once

#include <string_view>

// True for an engine version from 5.5 to 8 (any build), written as the
// registry gives it, for example "5.50.4807.2300", "6.0.2900.5512" or
// "8.0.7601.17514". Later engines dropped page transitions.
bool EnginePlaysPageTransitions(std::string_view version);
