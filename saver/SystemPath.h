// Where the system's optional libraries are looked for: kept apart from
// <windows.h> so the rule is tested natively.
#pragma once

#include <string>
#include <string_view>

// The file's path in the given system directory. An empty directory leaves the
// bare name, which the loader then looks up by its usual search; a directory
// that already ends in "\" (a drive root) gets no second one.
inline std::string SystemFilePath(std::string_view directory, std::string_view fileName) {
    std::string path(directory);
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += fileName;
    return path;
}
