// Temp names: unique in the temp directory for the extension the slideshow
// uses, and nothing left behind by making them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/DisplaySettings.h"
#include "slideshow/TempFile.h"

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(MakeTempName, GivesAFreshPathWithTheExtensionAndLeavesNoPlaceholder) {
    const std::string name = MakeTempName("htm");
    EXPECT_EQ(name.rfind(TempDirectory(), 0), 0u) << name;
    EXPECT_TRUE(name.ends_with(".htm")) << name;
    EXPECT_FALSE(Exists(name)) << "the name is only reserved by the first write";
    EXPECT_TRUE(TempFiles("ins*.tmp").empty());
}

// The system's unique numbers start from the clock: other programs' files
// with our extension under the next few hundred numbers must all be passed over.
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
    EXPECT_TRUE(TempFiles("ins*.tmp").empty()) << "placeholders left behind";
    for (const std::string& other : others) {
        EXPECT_TRUE(Exists(other)) << other;
        DeleteFileA(other.c_str());
    }
}

}  // namespace
