// The numeric edit's typing rules on a text and its selection, without a window.

#include <gtest/gtest.h>

#include <string>

#include "controls/numedit/number_typing.h"

namespace tw {
namespace {

// A buffer from a picture: '|' marks the caret, "[...]" a selection (caret at its end).
NumberEditBuffer Buffer(const std::string& picture) {
    NumberEditBuffer b;
    for (char c : picture) {
        if (c == '|') {
            b.caret = b.selStart = b.selEnd = static_cast<int>(b.text.size());
        } else if (c == '[') {
            b.selStart = static_cast<int>(b.text.size());
        } else if (c == ']') {
            b.selEnd = b.caret = static_cast<int>(b.text.size());
        } else {
            b.text += c;
        }
    }
    return b;
}

// The buffer drawn as Buffer() reads it.
std::string Picture(const NumberEditBuffer& b) {
    if (b.selStart != b.selEnd) {
        std::string s = b.text;
        s.insert(b.selEnd, "]");
        s.insert(b.selStart, "[");
        return s;
    }
    std::string s = b.text;
    s.insert(b.caret, "|");
    return s;
}

struct Case {
    const char* before;
    const char* typed;
    bool insert;
    const char* after;  // nullptr: refused, text and caret unchanged
};

class NumberTypingTest : public ::testing::Test {
protected:
    // Types each character of the case in turn; the last result is checked.
    void Check(const Case& c) {
        NumberEditBuffer b = Buffer(c.before);
        TypingResult result;
        for (const char* t = c.typed; *t; ++t) result = TypeNumberChar(b, rules, *t, c.insert);
        if (!c.after) {
            EXPECT_EQ(result.outcome, TypingOutcome::Refused) << c.before << " + " << c.typed;
            EXPECT_EQ(Picture(b), c.before) << c.typed;
            return;
        }
        EXPECT_EQ(Picture(b), c.after) << c.before << " + " << c.typed;
    }

    NumberTypingRules rules;
};

TEST_F(NumberTypingTest, InsertAndOverwrite) {
    rules.look.format = 1;
    const Case cases[] = {
        {"12|3", "9", true, "129|3"}, {"12|3", "9", false, "129|"},
        {"[12]3", "9", true, "9|3"},  {"[12]3", "9", false, "9|"},  // with the character after
        {"[123]", "5", false, "5|"},  {"123|", "4", false, "1234|"},
        {"|-5", "7", true, nullptr},  // before a leading minus in insert mode
        {"|-5", "7", false, "7|5"},   {"[-5]", "7", true, "7|"},
    };
    for (const Case& c : cases) Check(c);
}

TEST_F(NumberTypingTest, DigitsAreWrittenBackInTheEditForm) {
    rules.look.format = 0;
    rules.look.decimals = 2;
    const Case cases[] = {
        {"[0]", "7", false, "7|.00"},       // decimals added after the caret
        {"7|.00", "5", false, "75|.00"},    // overwrite on the separator inserts before it
        {"75.|00", "12", false, "75.12|"},  // then overwrites the fraction
        {"75.12|", "3", false, "75.12|"},   // a third decimal is rounded away
        {"75.12|", "9", true, "75.13|"},    // ... half up
        {"|", ".5", true, "0.5|0"},         // a leading separator gets its zero, caret after 5
        {"0|", "0", true, "0|.00"},         // leading zeros go
        {"1e|", "-5", true, "1.00e-5|"},    // the exponent stays
        {"12|", "a", true, nullptr},        // other characters beep
    };
    for (const Case& c : cases) Check(c);
    rules.look.format = 3;
    Check({"12.5|", "7", true, "12|"});  // integer formats cut the fraction off
    rules.look = NumberLook();
    rules.look.integerOnly = true;  // the bitmap digits too
    Check({"1.5|", "2", true, "1|"});
}

TEST_F(NumberTypingTest, TheRangeClampsTypedValues) {
    rules.look.format = 1;
    ASSERT_TRUE(MakeNumberRange(true, 0, 100, rules.range));
    NumberEditBuffer b = Buffer("25|");
    TypingResult result = TypeNumberChar(b, rules, '0', true);
    EXPECT_EQ(result.outcome, TypingOutcome::Changed);
    EXPECT_TRUE(result.clamped);
    EXPECT_EQ(Picture(b), "100|");
    b = Buffer("|5");
    result = TypeNumberChar(b, rules, '-', true);
    EXPECT_EQ(Picture(b), "-|5") << "the minus sign is not checked";
    result = TypeNumberChar(b, rules, '1', true);
    EXPECT_TRUE(result.clamped);
    EXPECT_EQ(Picture(b), "0|");
    b = Buffer("5|");
    EXPECT_FALSE(TypeNumberChar(b, rules, '0', true).clamped);
    EXPECT_EQ(Picture(b), "50|");
}

TEST_F(NumberTypingTest, MinusExponentAndSeparator) {
    const Case cases[] = {
        {"|5", "-", true, "-|5"},      {"5|", "-", true, nullptr},
        {"1e|5", "-", true, "1e-|5"},  {"12|", "e", true, "12e|"},
        {"|12", "e", true, nullptr},   {"1e5|", "E", true, nullptr},  // one exponent only
        {"1|e5", "E", false, "1E|5"},  {"1[e5]", "e", true, "1e|"},   // over the existing one
        {"12|", ".", true, "12.|"},    {"1.5|", ".", true, nullptr},
        {"1|.50", ".", true, "1.|50"}, {"1|.50", ".", false, "1.|50"},  // steps over it
        {"[1.5]", ".", true, ".|"},
    };
    for (const Case& c : cases) Check(c);
    rules.separatorRefused = true;
    Check({"12|", ".", true, nullptr});
    rules.look.decimalSep = ',';
    rules.separatorRefused = false;
    Check({"12|", ",", true, "12,|"});
    Check({"12|", ".", true, nullptr});
}

TEST_F(NumberTypingTest, TheFifteenthPlaceAndTheLimit) {
    rules.look.format = 1;
    NumberEditBuffer b = Buffer("123456789012345|");
    EXPECT_EQ(TypeNumberChar(b, rules, '6', true).outcome, TypingOutcome::Ignored);
    EXPECT_EQ(b.text, "123456789012345");
    b = Buffer("12345678901234|5");
    EXPECT_EQ(TypeNumberChar(b, rules, '9', false).outcome, TypingOutcome::Changed);
    EXPECT_EQ(b.text, "123456789012349");
    rules.limit = 4;
    b = Buffer("12|34");
    TypingResult result = TypeNumberChar(b, rules, '9', true);
    EXPECT_TRUE(result.cutAtLimit);
    EXPECT_EQ(Picture(b), "129|3");
    rules.look.format = 0;  // the added decimals must fit too
    b = Buffer("[12]");
    EXPECT_FALSE(TypeNumberChar(b, rules, '5', true).cutAtLimit);
    EXPECT_EQ(Picture(b), "5|.00");
    b = Buffer("[12]");
    rules.limit = 2;
    EXPECT_TRUE(TypeNumberChar(b, rules, '5', true).cutAtLimit);
    EXPECT_EQ(Picture(b), "5|.");
}

TEST_F(NumberTypingTest, DeletingForwardAndBackward) {
    NumberEditBuffer b = Buffer("1|23");
    EXPECT_TRUE(DeleteForward(b));
    EXPECT_EQ(Picture(b), "1|3");
    EXPECT_TRUE(DeleteBackward(b));
    EXPECT_EQ(Picture(b), "|3");
    EXPECT_FALSE(DeleteBackward(b));
    b = Buffer("3|");
    EXPECT_FALSE(DeleteForward(b));
    b = Buffer("1[23]4");
    EXPECT_TRUE(DeleteBackward(b));
    EXPECT_EQ(Picture(b), "1|4");
    std::string text(70, '7');
    EXPECT_TRUE(CutToLimit(text, 0)) << "limits below 1 are 1";
    EXPECT_EQ(text, "7");
    text.assign(70, '7');
    EXPECT_TRUE(CutToLimit(text, 500));
    EXPECT_EQ(text.size(), 63u);
}

}  // namespace
}  // namespace tw
