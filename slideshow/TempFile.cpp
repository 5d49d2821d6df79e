#include "slideshow/TempFile.h"

#include <windows.h>

#include <algorithm>

#include "slideshow/Leftovers.h"
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

// A page of ours is short: the window's size and one path.
constexpr ULONGLONG kLongestPage = 4096;
// The unique numbers of GetTempFileNameA's names: 1 to 65535.
constexpr UINT kUniqueNumbers = 0xFFFF;

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

bool ContentIsOurs(const std::string& path, TempFileKind kind, ULONGLONG size,
                   const std::vector<std::string_view>& photographs) {
    switch (kind) {
        case TempFileKind::Reservation:
            return size == kReservationMark.size() && ReadSmallFile(path, size) == kReservationMark;
        case TempFileKind::Page:
            return size <= kLongestPage && IsSlideshowPage(ReadSmallFile(path, size));
        case TempFileKind::Photo: {
            const auto sameSize = [size](std::string_view photo) { return photo.size() == size; };
            if (std::none_of(photographs.begin(), photographs.end(), sameSize)) return false;
            const std::string bytes = ReadSmallFile(path, size);
            return std::find(photographs.begin(), photographs.end(), bytes) != photographs.end();
        }
        case TempFileKind::Other:
            break;
    }
    return false;
}

std::string TempDirectory() {
    char directory[MAX_PATH + 1];
    const DWORD length = GetTempPathA(MAX_PATH, directory);
    return length == 0 || length > MAX_PATH ? std::string() : std::string(directory, length);
}

// A new reservation, created and held in one call, so that no other run can
// take it in between: open until its name is deleted or the process ends,
// without sharing its deletion (which tells other runs that it is held), and
// deleted by the system when it is closed. Empty when the file exists.
ScopedFile CreateReservation(const char* path) {
    ScopedFile file(CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    // Unmarked it is simply another file to a later clean-up.
    if (file) WriteAll(file.Get(), kReservationMark);
    return file;
}

// Whether a live run holds the reservation: it does not share its deletion.
bool IsHeld(const std::string& reservation) {
    const ScopedFile file(CreateFileA(reservation.c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file && GetLastError() == ERROR_SHARING_VIOLATION;
}

// A name this process made and holds, with its reservation.
struct HeldName {
    std::string path;
    ScopedFile reservation;
};

// The process holds its names from their making to their deletion. When the
// process ends without its shutdown, the system closes the reservations
// and so lets them go.
std::vector<HeldName>& HeldNames() {
    static std::vector<HeldName> names;
    return names;
}

}  // namespace

std::string MakeTempName(const std::string& extension) {
    // Without a temp directory there is no name: writing to it fails clearly.
    const std::string directory = TempDirectory();
    if (directory.empty()) return {};
    // The system's names "ins<hex>.tmp" (GetTempFileNameA only formats them
    // here), tried from a number the clock gives, as the system does when it
    // picks one itself. The name with our extension must not belong to
    // another file either, which would be overwritten and later deleted.
    const UINT start = GetTickCount() % kUniqueNumbers;
    for (UINT tried = 0; tried < kUniqueNumbers; ++tried) {
        char name[MAX_PATH + 1];
        if (!GetTempFileNameA(directory.c_str(), "inst", (start + tried) % kUniqueNumbers + 1, name)) break;
        ScopedFile reservation = CreateReservation(name);
        if (!reservation) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ||
                error == ERROR_SHARING_VIOLATION)
                continue;
            break;  // a folder that takes no file takes none of the others either
        }
        std::string path = WithExtension(name, extension);
        if (FileExists(path)) continue;
        HeldNames().push_back({path, std::move(reservation)});
        return path;
    }
    return {};
}

void DeleteTempFile(const std::string& path) {
    if (path.empty()) return;
    SetFileAttributesA(path.c_str(), 0);
    DeleteFileA(path.c_str());
    // Only now may another run have the name.
    std::erase_if(HeldNames(), [&path](const HeldName& held) { return held.path == path; });
}

void DeleteLeftoverTempFiles(const std::vector<std::string_view>& photographs) {
    const std::string directory = TempDirectory();
    if (directory.empty()) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAA found;
    const ScopedFind search(FindFirstFileA((directory + "ins*").c_str(), &found));
    if (!search) return;
    // A dead run's reservations go after its files: until then no new run
    // takes their names.
    std::vector<std::string> reservations;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string path = directory + found.cFileName;
        const TempFileKind kind = KindOf(path);
        if (kind == TempFileKind::Other) continue;
        const FoundTempFile file{kind, IsHeld(kind == TempFileKind::Reservation ? path : ReservationOf(path)),
                                 FileTimeValue(found.ftLastWriteTime), FileTimeValue(now)};
        if (!MayBeLeftover(file) || !ContentIsOurs(path, kind, FileSize(found), photographs)) continue;
        if (kind == TempFileKind::Reservation) {
            reservations.push_back(path);
        } else {
            DeleteTempFile(path);
        }
    } while (FindNextFileA(search.Get(), &found));
    for (const std::string& reservation : reservations) DeleteTempFile(reservation);
}

void WriteTempFile(const std::string& path, std::string_view bytes) {
    // The view may still be reading the file while the next one is written.
    const ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) Raise(FileError("FileCreateError", path, " kann nicht erstellt werden"));
    if (!WriteAll(file.Get(), bytes))
        Raise(FileError("FileWriteError", path, " kann nicht geschrieben werden"));
}
