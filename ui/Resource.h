// Read-only access to the RT_RCDATA resources of the executable.
#pragma once

#include <string_view>

// The bytes of a resource given by name ("#105" names number 105) or number:
// a view valid as long as the process. Raises an Error when it is missing.
std::string_view ResourceBytes(const char* name);
std::string_view ResourceBytes(int number);
