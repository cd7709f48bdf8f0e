#include "dialogs/calendar_literals.h"

#include "framework/locale_formatter.h"

namespace tw {

namespace {

constexpr int kSomeYear = 2001;  // 7 January 2001 was a Sunday

std::string NameOf(const ILocaleFormatter& locale, int month, int day, const char* picture) {
    LocaleDateTime when;
    when.year = kSomeYear;
    when.month = month;
    when.day = day;
    std::string name;
    if (!locale.FormatDate(when, picture, name)) name.clear();
    return name;
}

}  // namespace

std::string MonthLiterals(const ILocaleFormatter& locale) {
    std::string names;
    for (int month = 1; month <= 12; ++month) {
        const std::string name = NameOf(locale, month, 1, "MMMM");
        if (name.empty()) return std::string();
        names += name;
        names.push_back('\0');
    }
    return names;
}

std::string DayLetters(const ILocaleFormatter& locale) {
    std::string letters;
    for (int day = 7; day < 14; ++day) {
        const std::string name = NameOf(locale, 1, day, "dddd");
        if (name.empty()) return std::string();
        letters.push_back(name[0]);
    }
    return letters;
}

}  // namespace tw
