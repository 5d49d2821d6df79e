#include <gtest/gtest.h>

#include <string>

#include "saver/EngineVersion.h"

TEST(EngineVersion, OnlyEngines55To8PlayPageTransitions) {
    const struct {
        std::string version;
        bool plays;
    } rows[] = {
        {"4.72.3110.0", false},
        {"5.00.2920.0000", false},
        {"5.01", false},
        {"5.5", true},
        {"5.50.4807.2300", true},
        {"5.6", true},
        {"6.0.2900.5512", true},
        {"7.0.5730.13", true},
        {"8.0.6001.18702", true},
        {"8", true},
        {"9.0.8112.16421", false},
        {"9.11.9600.17041", false},  // how later engines write 11
        {"11.0.9600", false},
        {"18.0", false},
        {"", false},
        {"eight", false},
        {"8,0", false},
        {"8.", false},
        {".8", false},
        {"6.0 SP2", false},
        {"108.0", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EnginePlaysPageTransitions(row.version), row.plays) << "'" << row.version << "'";
}
