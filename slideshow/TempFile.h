// The slideshow's two temp files, the page the view is sent to and the
// photograph it shows, each rewritten for every photograph: their names,
// their bytes, their deletion, and the healing of what a run ended without
// its shutdown (a preview the display settings killed) left behind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A full path in the temp directory with the given extension (no dot),
// named by the system's unique-name rule with the prefix "inst"; empty when
// there is no usable temp directory. The name is the process's until
// DeleteTempFile of it, or until the process ends: its reservation (see
// Leftovers.h) keeps every other run from making it or deleting its file.
std::string MakeTempName(const std::string& extension);

// Creates the file, or truncates it when it exists, and writes exactly the
// given bytes: no byte-order mark, no line break, no conversion.
// Raises an Error naming the file when it cannot be created or written.
void WriteTempFile(const std::string& path, std::string_view bytes);

// Clears the attributes (a read-only file cannot be deleted) and deletes,
// then lets the name's reservation go; nothing for an empty path or a file
// that is gone.
void DeleteTempFile(const std::string& path);

// Deletes what dead runs of ours left (see MayBeLeftover): a page file that
// holds exactly one of our page texts, a photo file byte for byte one of
// these photographs, a reservation with our mark. A live run's files stay,
// however long ago it wrote them. The names only narrow the search; another
// program's file stays, whatever its name.
void DeleteLeftoverTempFiles(const std::vector<std::string_view>& photographs);
