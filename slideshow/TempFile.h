// The slideshow's two temp files, the page the view is sent to and the
// photograph it shows, each rewritten for every photograph.
#pragma once

#include <string>
#include <string_view>

// Creates the file, or truncates it when it exists, and writes exactly the
// given bytes: no byte-order mark, no line break, no conversion.
// Raises an Error naming the file when it cannot be created or written.
void WriteTempFile(const std::string& path, std::string_view bytes);
