#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "saver/IntegerSyntax.h"

namespace {

struct IntegerRow {
    const char* text;
    std::optional<std::int32_t> value;  // nothing: not an integer
};

constexpr std::nullopt_t kNoInteger = std::nullopt;

const IntegerRow kIntegerRows[] = {
    // Decimal, to the ends of the signed 32-bit range and one beyond.
    {"0", 0},
    {"4711", 4711},
    {"+4711", 4711},
    {"-5", -5},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", kNoInteger},
    {"-2147483649", kNoInteger},
    {"99999999999999999999", kNoInteger},
    {"00000000000000000000012", 12},
    // Hexadecimal: every prefix in either case, digits in either case,
    // taken as the 32-bit two's complement.
    {"$1F", 31},
    {"$1f", 31},
    {"X1f", 31},
    {"x1F", 31},
    {"0x1F", 31},
    {"0X1f", 31},
    {"$7FFFFFFF", INT32_MAX},
    {"$80000000", INT32_MIN},
    {"$FFFFFFFF", -1},
    {"-$1", -1},
    {"+$10", 16},
    {"-$80000000", INT32_MIN},
    {"$0FFFFFFFF", -1},  // nine digits, eight of them significant
    {"$000000000001", 1},
    {"$100000000", kNoInteger},  // nine significant digits
    {"$", kNoInteger},
    {"X", kNoInteger},
    {"0x", kNoInteger},
    {"$G", kNoInteger},
    {"$-1", kNoInteger},
    {"0y1", kNoInteger},
    // Blanks lead, nothing trails.
    {"   12", 12},
    {"  -12", -12},
    {"  $1F", 31},
    {"12 ", kNoInteger},
    {"12a", kNoInteger},
    {"$1FG", kNoInteger},
    {"- 12", kNoInteger},
    {"\t12", kNoInteger},  // only blanks may lead
    // No digits at all.
    {"", kNoInteger},
    {"   ", kNoInteger},
    {"-", kNoInteger},
    {"+", kNoInteger},
    {"--5", kNoInteger},
    {"+-5", kNoInteger},
    {"/5", kNoInteger},
    {"1.5", kNoInteger},
};

std::string Describe(const std::optional<std::int32_t>& value) {
    return value ? std::to_string(*value) : "no integer";
}

TEST(IntegerSyntax, TextsAndTheirValues) {
    for (const IntegerRow& row : kIntegerRows) {
        EXPECT_EQ(Describe(ParseInteger(row.text)), Describe(row.value)) << "text: \"" << row.text << "\"";
    }
}

}  // namespace
