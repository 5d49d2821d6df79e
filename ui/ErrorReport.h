// Texts of the two error reports: the fatal one before any window exists and
// the one the message dispatch shows for an error escaping a handler.
#pragma once

#include <string>
#include <string_view>

// The message as the user sees it: ends with a full stop.
std::string WithFinalPeriod(std::string_view message);

// "Exception <type> in Modul <module> bei <address>." CR LF <message>. CR LF
std::string FormatFatalReport(std::string_view typeName, std::string_view moduleName,
                              const void* address, std::string_view message);

inline constexpr const char* kFatalReportTitle = "Anwendungsfehler";
