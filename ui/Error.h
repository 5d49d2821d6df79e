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

// What an error says: the type name the error box shows, and the message.
struct ErrorText {
    const char* typeName;
    std::string message;
};

// The one way to raise an Error. Never inlined, so that the error's address
// is always the code that called it.
[[noreturn]] void Raise(const ErrorText& error);

// The framework's error messages are German and, like every text the system
// shows, in the Windows-1252 code page ("\xFC" is "ü").
ErrorText RangeError();
ErrorText ConvertError(std::string_view text);
ErrorText RegistryReadError(std::string_view valueName);
ErrorText RegistryTypeError(std::string_view valueName);
ErrorText RegistryWriteError(std::string_view valueName);
