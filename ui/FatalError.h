// The process-wide report of an error raised before any window exists.
#pragma once

#include "ui/Error.h"

// Shows the "Anwendungsfehler" box for the exception being handled (call it in
// a catch block); the caller then ends the process with exit code 1. An Error
// of ours names its type and the code that raised it; any other exception
// names its type and the code that caught it.
void ReportFatalException() noexcept;
