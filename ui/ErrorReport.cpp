#include "ui/ErrorReport.h"

#include <cstdint>
#include <cstdio>

std::string WithFinalPeriod(std::string_view message) {
    std::string result(message);
    if (result.empty() || result.back() != '.') result += '.';
    return result;
}

std::string FormatFatalReport(std::string_view typeName, std::string_view moduleName,
                              const void* address, std::string_view message) {
    // The address is written as the pointer-wide upper-case hexadecimal number
    // that the system's own crash reports use.
    char hex[2 * sizeof(void*) + 1];
    std::snprintf(hex, sizeof hex, "%0*llX", static_cast<int>(2 * sizeof(void*)),
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
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
