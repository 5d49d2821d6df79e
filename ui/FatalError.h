// The process-wide report of an error raised before any window exists.
#pragma once

#include "ui/Error.h"

// Shows the "Anwendungsfehler" box for the error; the caller then ends the
// process with exit code 1.
void ReportFatalError(const Error& error);
