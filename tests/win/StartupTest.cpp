#include <gtest/gtest.h>

#include "driver/DisplaySettings.h"

TEST(Startup, Placeholder) {
    SaverProcess saver("/x");
    DWORD code = 99;
    ASSERT_TRUE(saver.WaitForExit(std::chrono::seconds(20), code));
    EXPECT_EQ(code, 0u);
}
