// The short date format the date edit and the calendar share: pictures, date texts and their
// parts.

#include "controls/common/short_date_format.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tw {
namespace {

TEST(ShortDateFormat, PicturesTextsAndDamagedInput) {
    ShortDateFormat us = ParseShortDateFormat("M/d/yy", '/');
    EXPECT_EQ(DateField::Month, us.order[0]);
    EXPECT_FALSE(us.twoDigitMonth);
    EXPECT_FALSE(us.fourDigitYear);
    ShortDateFormat de = ParseShortDateFormat("dd.MM.yyyy", '.');
    EXPECT_EQ(DateField::Day, de.order[0]);
    EXPECT_EQ(DateField::Year, de.order[2]);
    EXPECT_TRUE(de.twoDigitDay && de.twoDigitMonth && de.fourDigitYear);
    for (const char* bad : {"", "d/d/y", "x/y/z", "M/d", "M/d/yy/d", (const char*)nullptr}) {
        ShortDateFormat f = ParseShortDateFormat(bad, '/');
        EXPECT_EQ(DateField::Month, f.order[0]) << (bad ? bad : "null");
        EXPECT_EQ(DateField::Year, f.order[2]);
    }

    char text[32];
    FormatShortDate(de, 3, 5, 2001, text, sizeof text);
    EXPECT_STREQ("05.03.2001", text);
    FormatShortDate(us, 3, 5, 2001, text, sizeof text);
    EXPECT_STREQ("3/5/01", text);
    FormatShortDate(de, -2000000000, -2000000000, -2000000000, text, 8);
    EXPECT_EQ(7u, std::strlen(text));

    int m = 1, d = 1, y = 2000;
    EXPECT_TRUE(ParseShortDate(de, "7.4.1999", &m, &d, &y));
    EXPECT_EQ(7, d);
    EXPECT_EQ(4, m);
    EXPECT_EQ(1999, y);
    EXPECT_TRUE(ParseShortDate(us, "12/31/99", &m, &d, &y));
    EXPECT_EQ(1999, y);
    EXPECT_TRUE(ParseShortDate(us, "12/31/2005", &m, &d, &y));
    EXPECT_EQ(2005, y);
    EXPECT_TRUE(ParseShortDate(us, "6", &m, &d, &y));  // only the first field given
    EXPECT_EQ(6, m);
    EXPECT_EQ(31, d);
    EXPECT_FALSE(ParseShortDate(us, "", &m, &d, &y));
    EXPECT_FALSE(ParseShortDate(us, nullptr, &m, &d, &y));
    EXPECT_EQ(6, m);
    char longPart[100];
    std::memset(longPart, '9', sizeof longPart - 1);
    longPart[sizeof longPart - 1] = '\0';
    EXPECT_TRUE(ParseShortDate(us, longPart, &m, &d, &y));
    EXPECT_EQ(99999, m);  // saturates instead of overflowing
}

TEST(ShortDateFormat, DamagedPicturesKeepTheDigitsOfTheFieldsTheyName) {
    struct Case {
        const char* picture;
        bool twoDigitMonth, twoDigitDay, fourDigitYear;
    } cases[] = {
        {"dd/MM", true, true, false},  // no year: month, day, year order
        {"MM/x/yyyy", true, false, true},
        {"d/d/yyyy", false, false, true},
    };
    for (const Case& c : cases) {
        ShortDateFormat f = ParseShortDateFormat(c.picture, '/');
        EXPECT_EQ(DateField::Month, f.order[0]) << c.picture;
        EXPECT_EQ(DateField::Day, f.order[1]) << c.picture;
        EXPECT_EQ(DateField::Year, f.order[2]) << c.picture;
        EXPECT_EQ(c.twoDigitMonth, f.twoDigitMonth) << c.picture;
        EXPECT_EQ(c.twoDigitDay, f.twoDigitDay) << c.picture;
        EXPECT_EQ(c.fourDigitYear, f.fourDigitYear) << c.picture;
    }
    EXPECT_EQ('/', ParseShortDateFormat("d.M.y", 0).separator);
}

TEST(ShortDateFormat, DateTextPartsAndTheirNumbers) {
    DateTextPart parts[3];
    ASSERT_EQ(3, SplitDateText("1/22/333/4", '/', parts));
    EXPECT_EQ(3, parts[2].length) << "text after a third separator is left out";
    EXPECT_EQ(333, ReadDatePart(parts[2]));
    EXPECT_EQ(1, SplitDateText("1/2", 0, parts)) << "no separator: one part";
    ASSERT_EQ(1, SplitDateText(nullptr, '/', parts));
    EXPECT_EQ(0, parts[0].length);
    EXPECT_EQ(0, ReadDatePart(parts[0]));

    ASSERT_EQ(2, SplitDateText("-5/ 7x", '/', parts));
    EXPECT_EQ(0, ReadDatePart(parts[0])) << "negative numbers read as 0";
    EXPECT_EQ(7, ReadDatePart(parts[1]));

    // A field order a client gave that names no field stores the year, as the date edit does.
    ShortDateFormat odd;
    odd.order[2] = DateField(5);
    int m = 0, d = 0, y = 0;
    EXPECT_TRUE(ParseShortDate(odd, "1/2/3", &m, &d, &y));
    EXPECT_EQ(1, m);
    EXPECT_EQ(2, d);
    EXPECT_EQ(1903, y);
}

}  // namespace
}  // namespace tw
