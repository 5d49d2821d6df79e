#include <gtest/gtest.h>

#include "slideshow/Leftovers.h"

namespace {

TEST(Leftovers, AReservationIsTheNameWithTmpAndTheKindTheExtension) {
    const struct {
        const char* path;
        const char* reservation;
        TempFileKind kind;
    } rows[] = {
        {"C:\\T\\insa1.jpg", "C:\\T\\insa1.tmp", TempFileKind::Photo},
        {"C:\\T\\insa1.HTM", "C:\\T\\insa1.tmp", TempFileKind::Page},
        {"C:\\T\\INSA1.TMP", "C:\\T\\INSA1.tmp", TempFileKind::Reservation},  // as Windows names it
        {"C:\\T\\insa1.htm.bak", "C:\\T\\insa1.htm.tmp", TempFileKind::Other},
        {"C:\\T.d\\insa1", "C:\\T.d\\insa1.tmp", TempFileKind::Other},  // a dot only in the folder
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReservationOf(row.path), row.reservation) << row.path;
        EXPECT_EQ(KindOf(row.path), row.kind) << row.path;
    }
}

TEST(Leftovers, NothingALiveRunHoldsAndPagesAndPhotosOnlyOnceOld) {
    constexpr std::uint64_t now = 134'000'000'000'000'000ull;
    // File times count 100 ns: ten minutes is the age a leftover must reach.
    constexpr std::uint64_t tenMinutes = 10ull * 60 * 10'000'000;
    constexpr std::uint64_t hour = 6 * tenMinutes;
    const struct {
        TempFileKind kind;
        bool held;
        std::uint64_t writtenAt;
        bool leftover;
    } rows[] = {
        {TempFileKind::Page, false, now - tenMinutes, true},
        {TempFileKind::Page, false, now - tenMinutes + 1, false},
        {TempFileKind::Photo, false, now - tenMinutes, true},
        {TempFileKind::Photo, false, now - tenMinutes + 1, false},
        {TempFileKind::Page, true, now - hour, false},  // a live run blocked behind a box
        {TempFileKind::Photo, true, now - hour, false},
        {TempFileKind::Page, false, now + 1, false},    // a clock set back
        {TempFileKind::Reservation, false, now, true},  // a dead run's, however new
        {TempFileKind::Reservation, true, now - hour, false},
        {TempFileKind::Other, false, now - hour, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MayBeLeftover({row.kind, row.held, row.writtenAt, now}), row.leftover)
            << "kind " << static_cast<int>(row.kind) << ", held " << row.held << ", written "
            << static_cast<std::int64_t>(now - row.writtenAt) << " before";
    }
}

}  // namespace
