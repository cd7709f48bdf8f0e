// The numeric edit's portable rules: parsing, fixed-point texts, the ten formats, the
// conversions to the clients' types and the range.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "controls/numedit/number_convert.h"
#include "controls/numedit/number_display.h"
#include "controls/numedit/number_text.h"

namespace tw {
namespace {

std::string Fixed(double value, int decimals, char sep = '.', bool leadingZero = true) {
    return JoinNumberText(FixedPointParts(value, decimals, false), sep, leadingZero);
}

TEST(NumberText, ParsingNeedsTheWholeTextAndAFiniteValue) {
    struct Case {
        const char* text;
        char sep;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {"2.9", '.', true, 2.9},      {"-1234", '.', true, -1234}, {"2,5", ',', true, 2.5},
        {".5", '.', true, 0.5},       {"5.", '.', true, 5},        {"1e5", '.', true, 1e5},
        {"1.5E-2", '.', true, 0.015}, {"", '.', false, 0},         {"-", '.', false, 0},
        {"1e", '.', false, 0},        {"1e-", '.', false, 0},      {"12a", '.', false, 0},
        {" 5", '.', false, 0},        {"1e999", '.', false, 0},    {"inf", '.', false, 0},
        {"nan", '.', false, 0},       {"1,5", '.', false, 0},      {"(5)", '.', false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(ParseNumberText(c.text, c.sep, value), c.valid) << c.text;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

TEST(NumberText, PartsOfTheNumberShape) {
    NumberParts parts;
    ASSERT_TRUE(SplitNumberText("-12,50e-3", ',', parts));
    EXPECT_TRUE(parts.negative);
    EXPECT_EQ(parts.integer, "12");
    EXPECT_TRUE(parts.hasSeparator);
    EXPECT_EQ(parts.fraction, "50");
    EXPECT_EQ(parts.exponent, "e-3");
    EXPECT_EQ(JoinNumberText(parts, ',', true), "-12,50e-3");
    for (const char* other : {"", "-", ".", "1e", "1..2", "--1", "1-", "e5", "1.2.3", "1e5x"})
        EXPECT_FALSE(SplitNumberText(other, '.', parts)) << other;
    ASSERT_TRUE(SplitNumberText(".5", '.', parts));
    EXPECT_EQ(JoinNumberText(parts, '.', true), "0.5");
    EXPECT_EQ(JoinNumberText(parts, '.', false), ".5");
}

TEST(NumberText, FixedPointRoundsHalfUpOnItsDigits) {
    EXPECT_EQ(Fixed(3, 2), "3.00");
    EXPECT_EQ(Fixed(2.5, 2), "2.50");
    EXPECT_EQ(Fixed(2.5, 0), "3");
    EXPECT_EQ(Fixed(-2.5, 0), "-3");  // half up on the digits: away from zero
    EXPECT_EQ(Fixed(0.125, 2), "0.13");
    EXPECT_EQ(Fixed(9.995, 2), "10.00");  // 9.994999999999... prints as 9.995000000000
    EXPECT_EQ(Fixed(99.999, 1), "100.0");
    EXPECT_EQ(Fixed(1.0 / 3, 12), "0.333333333333");
    EXPECT_EQ(Fixed(0.5, 2, ',', false), ",50");
    EXPECT_EQ(Fixed(-0.001, 2), "0.00") << "a value that rounds to zero loses its sign";
    EXPECT_EQ(Fixed(1234.5678, 20), "1234.567800000000") << "decimals above 12 are 12";
    EXPECT_EQ(Fixed(7, -3), "7") << "negative decimals are none";
    EXPECT_EQ(Fixed(std::nan(""), 2), "0.00");
    EXPECT_EQ(JoinNumberText(FixedPointParts(-7.9, 2, true), '.', true), "-7");
}

TEST(NumberText, HugeValuesAreWrittenInFull) {
    const std::string max = Fixed(DBL_MAX, 2);
    EXPECT_EQ(max.size(), 309u + 3u);
    EXPECT_EQ(max.substr(0, 6), "179769");
    EXPECT_EQ(Fixed(-1e300, 0).size(), 302u);
}

TEST(NumberText, SevenSignificantDigits) {
    EXPECT_EQ(SevenDigitText(100), "100");
    EXPECT_EQ(SevenDigitText(-0.5), "-0.5");
    EXPECT_EQ(SevenDigitText(1234567.8), "1234568");
    EXPECT_EQ(SevenDigitText(12345678), "1.234568e+07");
    EXPECT_EQ(SevenDigitText(-DBL_MAX), "-1.797693e+308");
    EXPECT_LE(SevenDigitText(-2.2250738585072014e-308).size(), 14u);
}

TEST(NumberText, CaretKeepsItsPlaceAmongTheDigits) {
    struct Case {
        const char* before;
        int caret;
        const char* after;
        int expected;
    };
    const Case cases[] = {
        {".5", 2, "0.50", 3},       // typed after a bare separator: stays after the digit
        {"5", 1, "5.00", 1},        // the added decimals come after the caret
        {"007", 3, "7", 1},         // dropped leading zeros
        {"9.999", 5, "10.00", 5},   // a carry adds an integer digit
        {"12.345", 6, "12.35", 5},  // a rounded-away digit: the caret goes to the end
        {"1e5", 3, "1.00e5", 6},    // the exponent keeps its place from its letter
        {"-5", 0, "-5.00", 0},     {"1.5", 3, "1", 1},  // a cut fraction: to the integer's end
    };
    for (const Case& c : cases) {
        NumberParts before, after;
        ASSERT_TRUE(SplitNumberText(c.before, '.', before)) << c.before;
        ASSERT_TRUE(SplitNumberText(c.after, '.', after)) << c.after;
        EXPECT_EQ(MapCaret(before, after, c.caret, true), c.expected) << c.before;
    }
}

TEST(NumberDisplay, TheTenFormats) {
    struct Case {
        int format;
        const char* edit;
        const char* shown;
    };
    const Case cases[] = {
        {4, "-1234", "(1,234)"},
        {4, "1234", "1,234"},
        {3, "-123", "(123)"},
        {2, "-1234567", "-1,234,567"},
        {1, "-1234", "-1234"},
        {1, "12.75", "12"},
        {0, "3", "3.00"},
        {0, "2.5", "2.50"},
        {5, "2.555", "2.56"},
        {9, "-0.5", "-0.50"},
        {6, "1234567.891", "1,234,567.89"},
        {7, "-12.3", "(12.30)"},
        {8, "-1234.5", "(1,234.50)"},
        {6, "999.999", "1,000.00"},
        {2, "123", "123"},
        {8, "-1e5", "(1.00e5)"},
        {4, "-", "-"},
        {0, "1e", "1e"},
    };
    NumberLook look;
    for (const Case& c : cases) {
        look.format = c.format;
        EXPECT_EQ(DisplayText(c.edit, look), c.shown) << c.format << " " << c.edit;
    }
}

TEST(NumberDisplay, SeparatorsAndTheBitmapDigits) {
    NumberLook look;
    look.format = 8;
    look.thousandsSep = '.';
    look.decimalSep = ',';
    look.decimals = 3;
    EXPECT_EQ(DisplayText("-1234567,5", look), "(1.234.567,500)");
    look.leadingZero = false;
    EXPECT_EQ(DisplayText("0,25", look), ",250");
    look = NumberLook();
    look.integerOnly = true;
    EXPECT_EQ(DisplayText("12.99", look), "12");
    EXPECT_EQ(EditFormOfValue(12.99, look), "12");
    EXPECT_EQ(GroupThousands("1", ','), "1");
    EXPECT_EQ(GroupThousands("123456", ','), "123,456");
    EXPECT_EQ(GroupThousands("1234567", ' '), "1 234 567");
}

TEST(NumberDisplay, EditFormsOfValuesAndTexts) {
    NumberLook look;
    EXPECT_EQ(EditFormOfValue(3, look), "3.00");
    look.format = 4;
    EXPECT_EQ(EditFormOfValue(-1234, look), "-1234");
    EXPECT_EQ(EditFormOfValue(2.9, look), "2") << "integer formats cut the fraction";
    look.format = 0;
    look.decimals = 1;
    look.decimalSep = ',';
    EXPECT_EQ(NormaliseEditText("12.345", '.', look), "12,3") << "old separator in, new out";
    EXPECT_EQ(NormaliseEditText("abc", '.', look), "abc");
}

TEST(NumberConvert, IntegerTypesSaturateAndCutTowardZero) {
    EXPECT_EQ(ToInt32(2.9), 2);
    EXPECT_EQ(ToInt32(-2.9), -2);
    EXPECT_EQ(ToInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ToInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ToInt32(std::nan("")), 0);
    EXPECT_EQ(ToUInt32(-5), 0u);
    EXPECT_EQ(ToUInt32(4294967295.0), 4294967295u);
    EXPECT_EQ(ToUInt32(5e9), 4294967295u);
    EXPECT_EQ(ToInt16(40000), 32767);
    EXPECT_EQ(ToInt16(-40000), -32768);
    EXPECT_EQ(ToUInt16(70000), 65535);
    EXPECT_EQ(ToUInt16(-1), 0);
    EXPECT_EQ(ToFloat(1e300), FLT_MAX);
    EXPECT_EQ(ToFloat(-1e300), -FLT_MAX);
    EXPECT_EQ(ToFloat(std::nan("")), 0.0f);
    EXPECT_FLOAT_EQ(ToFloat(2.5), 2.5f);
}

TEST(NumberConvert, RangesAreOrderedAndClamp) {
    NumberRange range;
    ASSERT_TRUE(MakeNumberRange(true, 100, 0, range));
    EXPECT_EQ(range.minimum, 0);
    EXPECT_EQ(range.maximum, 100);
    EXPECT_EQ(ClampToRange(250, range), 100);
    EXPECT_EQ(ClampToRange(-3, range), 0);
    EXPECT_EQ(ClampToRange(42.5, range), 42.5);
    range.on = false;
    EXPECT_EQ(ClampToRange(250, range), 250);
    EXPECT_FALSE(MakeNumberRange(true, std::nan(""), 1, range));
    EXPECT_EQ(range.maximum, 100) << "a refused range leaves the old one";
}

}  // namespace
}  // namespace tw
