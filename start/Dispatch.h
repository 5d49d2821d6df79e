// Start-up: from the command line to the one mode entry of this process.
#pragma once

// Parses the command line and runs the chosen mode to its end. Returns the
// process's exit code: 0, or 1 after the fatal report of whatever exception
// escaped (a malformed command line, for one).
int RunProcess() noexcept;
