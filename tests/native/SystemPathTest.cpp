#include <gtest/gtest.h>

#include "ui/SystemPath.h"

struct SystemPathCase {
    const char* directory;
    const char* expected;
};

TEST(SystemFilePath, JoinsDirectoryAndNameWithOneBackslash) {
    const SystemPathCase cases[] = {
        {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32\\MPR.DLL"},
        {"C:\\WINDOWS\\system32\\", "C:\\WINDOWS\\system32\\MPR.DLL"},
        {"C:\\", "C:\\MPR.DLL"},  // a drive root already ends in one
        {"C:", "C:\\MPR.DLL"},
        {"", ""},  // no directory: nothing to load, never a search
        {"\\", "\\MPR.DLL"},
        {"C:\\a/", "C:\\a/\\MPR.DLL"},  // only a backslash counts as the separator
    };
    for (const auto& row : cases) {
        EXPECT_EQ(SystemFilePath(row.directory, "MPR.DLL"), row.expected)
            << "directory \"" << row.directory << "\"";
    }
}
