// The one rule by which the command line turns text into a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Optional leading blanks, an optional sign, then decimal digits within the
// signed 32-bit range, or up to eight significant hexadecimal digits after a
// "$", "X" or "0X" prefix (any case) taken as a 32-bit two's-complement value.
// Nothing may follow the last digit. Empty text is no integer.
std::optional<std::int32_t> ParseInteger(std::string_view text);
