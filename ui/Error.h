// Errors the program raises. Each remembers its type name and the code address
// that raised it, both of which the fatal-error report shows.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

class Error : public std::runtime_error {
public:
    Error(const char* typeName, const std::string& message, const void* address);

    const char* TypeName() const noexcept { return typeName_; }
    const void* Address() const noexcept { return address_; }

private:
    const char* typeName_;
    const void* address_;
};

// The framework's error messages are German and, like every text the system
// shows, in the Windows-1252 code page ("\xFC" is "ü").
[[noreturn]] void RaiseRangeError();
[[noreturn]] void RaiseConvertError(std::string_view text);
[[noreturn]] void RaiseRegistryReadError(std::string_view valueName);
[[noreturn]] void RaiseRegistryTypeError(std::string_view valueName);
[[noreturn]] void RaiseRegistryWriteError(std::string_view valueName);
