#include <gtest/gtest.h>

#include "slideshow/Leftovers.h"

namespace {

constexpr std::uint64_t kNow = 134'000'000'000'000'000ull;

TEST(Leftovers, NamesAndKinds) {
    const struct {
        const char* path;
        const char* reservation;
        TempFileKind kind;
    } rows[] = {
        {"C:\\T\\insa1.jpg", "C:\\T\\insa1.tmp", TempFileKind::Photo},
        {"C:\\T\\insa1.htm", "C:\\T\\insa1.tmp", TempFileKind::Page},
        {"C:\\T\\INSA1.TMP", "C:\\T\\INSA1.tmp", TempFileKind::Reservation},  // as Windows writes it
        {"C:\\T\\insa1.HTM", "C:\\T\\insa1.tmp", TempFileKind::Page},
        {"C:\\T\\insa1.jpeg", "C:\\T\\insa1.tmp", TempFileKind::Other},
        {"C:\\T\\insa1.htm.bak", "C:\\T\\insa1.htm.tmp", TempFileKind::Other},
        {"C:\\T.d\\insa1", "C:\\T.d\\insa1.tmp", TempFileKind::Other},  // a dot only in the folder
        {"C:\\T\\insa1.", "C:\\T\\insa1.tmp", TempFileKind::Other},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ReservationOf(row.path), row.reservation) << row.path;
        EXPECT_EQ(KindOf(row.path), row.kind) << row.path;
    }
    EXPECT_EQ(WithExtension("C:\\T\\INSA1.TMP", "jpg"), "C:\\T\\INSA1.jpg");
}

TEST(Leftovers, OnlyWhatNoLiveRunHoldsAndTheAgeRuleForPagesAndPhotos) {
    const struct {
        TempFileKind kind;
        bool held;
        std::uint64_t writtenAt;
        bool leftover;
    } rows[] = {
        {TempFileKind::Page, false, kNow - kLeftoverAge, true},
        {TempFileKind::Page, false, kNow - kLeftoverAge + 1, false},
        {TempFileKind::Photo, false, kNow - kLeftoverAge, true},
        {TempFileKind::Photo, false, kNow - kLeftoverAge + 1, false},
        // A live run blocked behind a box for an hour keeps its files.
        {TempFileKind::Page, true, kNow - 6 * kLeftoverAge, false},
        {TempFileKind::Photo, true, kNow - 6 * kLeftoverAge, false},
        // A clock set back: written "after" the search.
        {TempFileKind::Page, false, kNow + 1, false},
        {TempFileKind::Page, false, kNow, false},
        // A reservation nobody holds belongs to no live run, whatever its age.
        {TempFileKind::Reservation, false, kNow, true},
        {TempFileKind::Reservation, true, kNow - 6 * kLeftoverAge, false},
        {TempFileKind::Other, false, kNow - 6 * kLeftoverAge, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MayBeLeftover({row.kind, row.held, row.writtenAt, kNow}), row.leftover)
            << "kind " << static_cast<int>(row.kind) << ", held " << row.held << ", age "
            << static_cast<std::int64_t>(kNow - row.writtenAt);
    }
}

}  // namespace
