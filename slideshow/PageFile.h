// The page file that the HTML view is sent to.
#pragma once

#include <string>
#include <string_view>

// Creates the file, or truncates it when it exists, and writes exactly the
// bytes of the page: no byte-order mark, no line break, no conversion.
// Raises an Error naming the file when it cannot be created or written.
void WritePageFile(const std::string& path, std::string_view page);
