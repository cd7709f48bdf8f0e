#include "framework/value_checks.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(ValueChecks, ParsesIntegers) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {" 42 ", 42},
        {"-7", -7},
        {"+8", 8},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ValueChecks, RangeAndLengthMessages) {
    EXPECT_EQ(CheckIntegerRange(5, 5, 100), "");
    EXPECT_EQ(CheckIntegerRange(100, 5, 100), "");
    EXPECT_EQ(CheckIntegerRange(4, 5, 100), "Please enter an integer between 5 and 100.");
    EXPECT_EQ(CheckIntegerRange(1441, 0, 1440), "Please enter an integer between 0 and 1440.");
    EXPECT_EQ(CheckTextLength(std::string(255, 'x'), 255), "");
    EXPECT_EQ(CheckTextLength(std::string(256, 'x'), 255),
              "Please enter no more than 255 characters.");
}

}  // namespace
}  // namespace tw
