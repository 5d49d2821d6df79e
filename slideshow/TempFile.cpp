#include "slideshow/TempFile.h"

#include <windows.h>

#include <algorithm>

#include "slideshow/PageText.h"
#include "ui/Error.h"
#include "ui/Scoped.h"

namespace {

ErrorText FileError(const char* typeName, const std::string& path, const char* problem) {
    return {typeName, "Datei " + path + problem};
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Leftovers of a run: files no run has written for this long. A running
// slideshow writes its files every few seconds.
constexpr ULONGLONG kLeftoverAge = 10ull * 60 * 10'000'000;  // in the file times' 100 ns
// A page of ours is short: the window's size and one path.
constexpr ULONGLONG kLongestPage = 4096;

ULONGLONG FileTimeValue(const FILETIME& time) {
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

ULONGLONG FileSize(const WIN32_FIND_DATAA& found) {
    return (ULONGLONG{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
}

// The file's bytes; empty when it cannot be read whole.
std::string ReadSmallFile(const std::string& path, ULONGLONG size) {
    const ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    DWORD done = 0;
    if (!file || !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(size), &done, nullptr) ||
        done != size) {
        return {};
    }
    return bytes;
}

bool IsLeftover(const std::string& path, ULONGLONG size, const std::vector<std::string_view>& photographs) {
    if (path.ends_with(".htm")) return size <= kLongestPage && IsSlideshowPage(ReadSmallFile(path, size));
    if (!path.ends_with(".jpg")) return false;
    const auto sameSize = [size](std::string_view photo) { return photo.size() == size; };
    if (std::none_of(photographs.begin(), photographs.end(), sameSize)) return false;
    const std::string bytes = ReadSmallFile(path, size);
    return std::find(photographs.begin(), photographs.end(), bytes) != photographs.end();
}

std::string TempDirectory() {
    char directory[MAX_PATH + 1];
    const DWORD length = GetTempPathA(MAX_PATH, directory);
    return length == 0 || length > MAX_PATH ? std::string() : std::string(directory, length);
}

}  // namespace

std::string MakeTempName(const std::string& extension) {
    // Without a temp directory there is no name: writing to it fails clearly.
    const std::string directory = TempDirectory();
    if (directory.empty()) return {};
    // The system makes "inst<hex>.TMP" unique; the name with our extension
    // must not belong to another file either, which would be overwritten and
    // later deleted. Rejected placeholders stay until a name is found, so
    // the system does not offer them again.
    std::vector<std::string> placeholders;
    std::string result;
    for (;;) {
        char name[MAX_PATH + 1];
        if (!GetTempFileNameA(directory.c_str(), "inst", 0, name)) {
            result.clear();
            break;
        }
        placeholders.emplace_back(name);
        result = placeholders.back().substr(0, placeholders.back().size() - 3) + extension;
        if (!FileExists(result)) break;
    }
    for (const std::string& placeholder : placeholders) DeleteTempFile(placeholder);
    return result;
}

void DeleteTempFile(const std::string& path) {
    if (path.empty()) return;
    SetFileAttributesA(path.c_str(), 0);
    DeleteFileA(path.c_str());
}

void DeleteLeftoverTempFiles(const std::vector<std::string_view>& photographs) {
    const std::string directory = TempDirectory();
    if (directory.empty()) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAA found;
    const ScopedFind search(FindFirstFileA((directory + "ins*").c_str(), &found));
    if (!search) return;
    do {
        const std::string path = directory + found.cFileName;
        const bool old = FileTimeValue(found.ftLastWriteTime) + kLeftoverAge <= FileTimeValue(now);
        if (old && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsLeftover(path, FileSize(found), photographs)) {
            DeleteTempFile(path);
        }
    } while (FindNextFileA(search.Get(), &found));
}

void WriteTempFile(const std::string& path, std::string_view bytes) {
    // The view may still be reading the file while the next one is written.
    const ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Raise(FileError("FileCreateError", path, " kann nicht erstellt werden"));
    if (!WriteAll(file.Get(), bytes))
        Raise(FileError("FileWriteError", path, " kann nicht geschrieben werden"));
}
