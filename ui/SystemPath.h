// Where the system's libraries are looked for: kept apart from <windows.h>
// so the rule is tested natively.
#pragma once

#include <string>
#include <string_view>

// The file's path in the given system directory; a directory that already
// ends in "\" (a drive root) gets no second one. An empty directory gives
// an empty path, never the bare name: the loader would search for that in
// the program's own folder first, where anyone may have left a file of it.
inline std::string SystemFilePath(std::string_view directory, std::string_view fileName) {
    if (directory.empty()) return {};
    std::string path(directory);
    if (path.back() != '\\') path += '\\';
    path += fileName;
    return path;
}
