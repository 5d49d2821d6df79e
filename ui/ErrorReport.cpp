#include "ui/ErrorReport.h"

#include <cstdio>

std::string WithFinalPeriod(std::string_view message) {
    std::string result(message);
    if (!result.ends_with('.')) result += '.';
    return result;
}

std::string FormatFatalReport(std::string_view typeName, std::string_view moduleName,
                              std::uintptr_t codeAddress, std::string_view message) {
    // Written like a pointer: upper-case hexadecimal, as wide as a pointer.
    char hex[2 * sizeof(void*) + 1];
    std::snprintf(hex, sizeof hex, "%0*llX", static_cast<int>(2 * sizeof(void*)),
                  static_cast<unsigned long long>(codeAddress));
    std::string text = "Exception ";
    text += typeName;
    text += " in Modul ";
    text += moduleName;
    text += " bei ";
    text += hex;
    text += ".\r\n";
    text += WithFinalPeriod(message);
    text += "\r\n";
    return text;
}
