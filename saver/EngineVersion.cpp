#include "saver/EngineVersion.h"

#include <cctype>

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The run of digits at the front of text, which loses it.
std::string_view TakeDigits(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    const std::string_view digits = text.substr(0, length);
    text.remove_prefix(length);
    return digits;
}

// The minor part as a decimal fraction in hundredths: "5" and "50" are both 50, "01" is 1.
int Hundredths(std::string_view digits) {
    const int tenths = digits.size() > 0 ? digits[0] - '0' : 0;
    const int rest = digits.size() > 1 ? digits[1] - '0' : 0;
    return 10 * tenths + rest;
}

}  // namespace

bool EnginePlaysPageTransitions(std::string_view version) {
    const std::string_view major = TakeDigits(version);
    if (major.empty() || major.size() > 2) return false;
    std::string_view minor;
    if (!version.empty()) {
        if (version.front() != '.') return false;
        version.remove_prefix(1);
        minor = TakeDigits(version);
        if (minor.empty() || (!version.empty() && version.front() != '.')) return false;
    }
    const int majorNumber = major.size() == 1 ? major[0] - '0' : 10 * (major[0] - '0') + (major[1] - '0');
    if (majorNumber == 5) return Hundredths(minor) >= 50;
    return majorNumber >= 6 && majorNumber <= 8;
}
