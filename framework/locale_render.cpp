#include "framework/locale_render.h"

#include "framework/decimal_text.h"
#include "framework/local_time.h"

namespace tw {

namespace {

// d, dd: day number; ddd: abbreviated weekday; dddd and longer: weekday name.
void RenderDay(int count, const LocaleDateTime& when, const LocaleNames& names, std::string& out) {
    if (count <= 2) {
        AppendDecimal(out, when.day, count);
        return;
    }
    const int dow = DayOfWeek(when.year, when.month, when.day);
    out += count == 3 ? names.dayAbbrevs[dow] : names.dayNames[dow];
}

void RenderMonth(int count, const LocaleDateTime& when, const LocaleNames& names,
                 std::string& out) {
    if (count <= 2) {
        AppendDecimal(out, when.month, count);
        return;
    }
    out += count == 3 ? names.monthAbbrevs[when.month - 1] : names.monthNames[when.month - 1];
}

// y and yy: the last two digits; three letters or more: the whole year.
void RenderYear(int count, const LocaleDateTime& when, std::string& out) {
    if (count <= 2)
        AppendDecimal(out, when.year % 100, 2);
    else
        AppendDecimal(out, when.year, 1);
}

void RenderTimeField(const PictureToken& field, const LocaleDateTime& when, bool force24,
                     const LocaleNames& names, std::string& out) {
    const int digits = field.count >= 2 ? 2 : 1;
    const char* designator = when.hour < 12 ? names.am : names.pm;
    switch (field.letter) {
        case 'h':
            if (!force24) {
                AppendDecimal(out, when.hour % 12 == 0 ? 12 : when.hour % 12, digits);
                break;
            }
            [[fallthrough]];
        case 'H': AppendDecimal(out, when.hour, digits); break;
        case 'm': AppendDecimal(out, when.minute, digits); break;
        case 's': AppendDecimal(out, when.second, digits); break;
        case 't':
            if (field.count >= 2)
                out += designator;
            else if (designator[0] != '\0')
                out.push_back(designator[0]);
            break;
        default: break;
    }
}

// Copies the blanks of a literal that follows a dropped seconds field.
void AppendBlanks(const std::string& text, std::string& out) {
    for (char c : text)
        if (c == ' ') out.push_back(c);
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
    static const int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
}

bool IsFormattableDate(const LocaleDateTime& when) {
    if (when.year < 1601 || when.year > 30827) return false;
    if (when.month < 1 || when.month > 12) return false;
    return when.day >= 1 && when.day <= DaysInMonth(when.year, when.month);
}

bool IsFormattableTime(const LocaleDateTime& when) {
    return when.hour >= 0 && when.hour <= 23 && when.minute >= 0 && when.minute <= 59 &&
           when.second >= 0 && when.second <= 59;
}

void RenderDate(const Picture& picture, const LocaleDateTime& when, const LocaleNames& names,
                std::string& out) {
    for (const PictureToken& token : picture) {
        if (token.kind != PictureToken::Kind::kField) {
            out += token.text;
        } else if (token.letter == 'd') {
            RenderDay(token.count, when, names, out);
        } else if (token.letter == 'M') {
            RenderMonth(token.count, when, names, out);
        } else {
            RenderYear(token.count, when, out);
        }
    }
}

void RenderTime(const Picture& picture, const LocaleDateTime& when, unsigned flags,
                const LocaleNames& names, std::string& out) {
    const bool noSeconds = (flags & kTimeNoSeconds) != 0;
    const bool force24 = (flags & kTimeForce24Hour) != 0;
    const size_t start = out.size();
    size_t afterLastField = start;
    bool droppingSeconds = false;
    for (const PictureToken& token : picture) {
        if (token.kind == PictureToken::Kind::kField && token.letter == 's' && noSeconds) {
            out.resize(afterLastField);
            droppingSeconds = true;
        } else if (token.kind == PictureToken::Kind::kField) {
            RenderTimeField(token, when, force24, names, out);
            afterLastField = out.size();
            droppingSeconds = false;
        } else if (!droppingSeconds) {
            out += token.text;
        } else if (token.kind == PictureToken::Kind::kLiteral) {
            AppendBlanks(token.text, out);
        }
    }
}

}  // namespace tw
