#include <gtest/gtest.h>

#include "saver/IntegerSyntax.h"

TEST(IntegerSyntax, Placeholder) {
    EXPECT_EQ(ParseInteger("12"), 12);
}
