// Texts of the two error reports: the fatal one before any window exists and
// the one the message dispatch shows for an error escaping a handler.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The message as the user sees it: ends with a full stop.
std::string WithFinalPeriod(std::string_view message);

// "Exception <type> in Modul <module> bei <address>." CR LF <message>. CR LF,
// where the address is the raising code's offset within its module.
std::string FormatFatalReport(std::string_view typeName, std::string_view moduleName,
                              std::uintptr_t codeAddress, std::string_view message);

inline constexpr const char* kFatalReportTitle = "Anwendungsfehler";

// The message of an exception that is no standard one and so brings none.
inline constexpr const char* kUnknownExceptionMessage = "Unbekannte Ausnahme";
