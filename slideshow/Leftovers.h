// What the temp folder's clean-up decides about the files a run of ours may
// have left there, kept apart from <windows.h> so the rule is tested natively.
//
// Each name a run makes is backed by a reservation file ("ins<hex>.tmp",
// marked as ours) that the run holds open without sharing its deletion, from
// the name's making to its shutdown; its page or photo file is the same name
// with "htm" or "jpg". A held reservation is how another run tells a live
// run's files, however long its tick has been blocked, from a dead run's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The reservation file's content: what tells it from another program's file.
inline constexpr std::string_view kReservationMark = "Reserved by a running Solquera slideshow.\r\n";

// The path with the extension after its file name's last dot replaced (or,
// without a dot, appended after one).
std::string WithExtension(std::string_view path, std::string_view extension);

// The reservation that backs a page or photo path.
inline std::string ReservationOf(std::string_view path) {
    return WithExtension(path, "tmp");
}

// A found file by its extension; the system writes a reservation's in capitals.
enum class TempFileKind { Page, Photo, Reservation, Other };
TempFileKind KindOf(std::string_view path);

// Files no live run holds count as a dead run's only when no run has written
// them for this long: a run of ours without reservations (an older one)
// rewrites its files every few seconds. In the file times' 100 ns.
inline constexpr std::uint64_t kLeftoverAge = 10ull * 60 * 10'000'000;

// What the search knows of one file before reading it.
struct FoundTempFile {
    TempFileKind kind;
    // A live run holds the file's reservation (a reservation's own for a reservation).
    bool reservationHeld;
    // Last written and the search's moment, as file times.
    std::uint64_t writtenAt;
    std::uint64_t now;
};

// True when the file is a dead run's leftover provided its content is ours
// (exactly one of our pages, photographs or the reservation mark), which the
// caller then reads: a reservation nobody holds, a page or photograph whose
// reservation nobody holds and that no one has written for kLeftoverAge.
bool MayBeLeftover(const FoundTempFile& file);
