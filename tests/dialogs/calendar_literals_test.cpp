// The month names and day letters handed to the date edits' calendars.
#include "dialogs/calendar_literals.h"

#include <gtest/gtest.h>

#include "framework/portable_locale_formatter.h"

namespace tw {
namespace {

TEST(CalendarLiterals, EnglishNamesSundayFirst) {
    const ILocaleFormatter& english = PortableLocaleFormatterInstance();
    std::string expected;
    for (const char* name : {"January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December"}) {
        expected += name;
        expected.push_back('\0');
    }
    EXPECT_EQ(MonthLiterals(english), expected);
    EXPECT_EQ(DayLetters(english), "SMTWTFS");
}

// A locale that names nothing.
class NamelessLocale : public PortableLocaleFormatter {
public:
    bool FormatDate(const LocaleDateTime&, const std::string&, std::string& out) const override {
        out.clear();
        return false;
    }
};

TEST(CalendarLiterals, NothingWhenTheLocaleGivesNoNames) {
    NamelessLocale nameless;
    EXPECT_EQ(MonthLiterals(nameless), "");
    EXPECT_EQ(DayLetters(nameless), "");
}

}  // namespace
}  // namespace tw
