// Temp names: unique in the temp directory for the extension the slideshow
// uses, held by their run until it deletes them, and nothing left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "driver/DisplaySettings.h"
#include "slideshow/Leftovers.h"
#include "slideshow/TempFile.h"

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Names made one after the other, within the same clock tick, as two runs
// started together make theirs: each is new, and its reservation holds until
// the name is deleted, against other programs' deletions too.
TEST(MakeTempName, EachNameIsHeldUntilItIsDeleted) {
    std::vector<std::string> names;
    for (int made = 0; made < 20; ++made) names.push_back(MakeTempName(made % 2 ? "htm" : "jpg"));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const std::string& name : names) {
        EXPECT_EQ(name.rfind(TempDirectory(), 0), 0u) << name;
        EXPECT_TRUE(name.ends_with(".jpg") || name.ends_with(".htm")) << name;
        EXPECT_FALSE(Exists(name)) << "the file is made by its first write";
        EXPECT_EQ(ReadFileBytes(ReservationOf(name)), kReservationMark) << name;
        EXPECT_FALSE(DeleteFileA(ReservationOf(name).c_str())) << name;
    }
    EXPECT_EQ(TempFiles("ins*.tmp").size(), names.size());
    for (const std::string& name : names) DeleteTempFile(name);
    EXPECT_TRUE(TempFiles("ins*.tmp").empty()) << TempFiles("ins*.tmp").front();
}

// The unique numbers start from the clock: other programs' files with our
// extension under the next few hundred numbers must all be passed over.
TEST(MakeTempName, PassesOverNamesWhoseFileWithTheExtensionExists) {
    const unsigned start = GetTickCount() & 0xFFFF;
    std::vector<std::string> others;
    for (unsigned number = start; number < start + 400; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "ins%x.jpg", number & 0xFFFF);
        others.push_back(TempDirectory() + name);
        CloseHandle(CreateFileA(others.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    const std::string name = MakeTempName("jpg");
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(Exists(name)) << name << " belongs to another file";
    EXPECT_EQ(TempFiles("ins*.tmp").size(), 1u) << "rejected reservations left behind";
    DeleteTempFile(name);
    EXPECT_TRUE(TempFiles("ins*.tmp").empty());
    for (const std::string& other : others) {
        EXPECT_TRUE(Exists(other)) << other;
        DeleteFileA(other.c_str());
    }
}

}  // namespace
