// International time settings and the time edit's texts (see time_format.h).

#include "controls/time/time_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace tw {
namespace {

// Reads a run of digits at `p` (0 when there is none) and moves past it.
int ReadDigits(const char*& p) {
    int value = 0;
    while (*p >= '0' && *p <= '9') {
        value = std::min(value * 10 + (*p - '0'), 99999);
        ++p;
    }
    return value;
}

const char* SkipBlanks(const char* p) {
    while (*p == ' ') ++p;
    return p;
}

// The designator at `p`, compared without regard to case and trailing blanks.
bool DesignatorIs(const char* p, const char* designator) {
    if (!designator[0]) return false;
    const size_t length = strlen(designator);
    return _strnicmp(p, designator, length) == 0 && *SkipBlanks(p + length) == '\0';
}

// The 24-hour hour of a 12-hour reading: above 11 loses 12, PM adds 12.
int To24Hour(int hour, bool pm) { return (hour > 11 ? hour - 12 : hour) + (pm ? 12 : 0); }

}  // namespace

const char* ShownDesignator(const TimeEditState& s) {
    if (s.hour24) return "";
    return s.hour < 12 ? s.amDesignator : s.pmDesignator;
}

int TimeFieldKindAt(const TimeEditState& s, int pos) {
    if (pos <= 1) return pos + 1;
    if (pos == 2 && s.seconds) return kSecondField;
    return kDesignatorField;
}

void ReadSystemTimeFormat(TimeEditState& s) {
    s.hour24 = GetProfileIntA("intl", "iTime", 1) != 0;
    s.leadingZero = GetProfileIntA("intl", "iTLZero", 1) != 0;
    GetProfileStringA("intl", "s1159", "AM", s.amDesignator, kDesignatorSize);
    GetProfileStringA("intl", "s2359", s.hour24 ? "" : "PM", s.pmDesignator, kDesignatorSize);
    char separator[4] = "";
    GetProfileStringA("intl", "sTime", ":", separator, sizeof separator);
    s.separator = separator[0] ? separator[0] : ':';
}

void FormatTimeText(const TimeEditState& s, char* out) {
    out[0] = '\0';
    if (s.core.isNull) return;
    const int hour = !s.hour24 && s.hour > 12 ? s.hour - 12 : s.hour;
    const bool twoDigits = s.core.hasFocus || s.leadingZero;
    const char sep = s.separator;
    if (s.seconds)
        sprintf(out, twoDigits ? "%02i%c%02i%c%02i" : "%i%c%02i%c%02i", hour, sep, s.minute, sep,
                s.second);
    else
        sprintf(out, twoDigits ? "%02i%c%02i" : "%i%c%02i", hour, sep, s.minute);
    const char* designator = ShownDesignator(s);
    if (designator[0]) {
        strcat(out, " ");
        strcat(out, designator);
    }
}

void RebuildTimeTexts(TimeEditState& s) {
    FormatTimeText(s, s.core.text);
    lstrcpynA(s.core.display, s.core.text, sizeof s.core.display);
}

void ParseTimeEditText(TimeEditState& s, const char* text) {
    const char* p = text ? text : "";
    int hour = ReadDigits(p);
    int minute = 0;
    int second = 0;
    if (s.hour24) hour = std::min(hour, 23);
    if (*p) {
        ++p;
        minute = std::min(ReadDigits(p), 59);
    }
    if (*p && s.seconds) {
        ++p;
        second = std::min(ReadDigits(p), 59);
    }
    if (*p) ++p;
    if (s.hour24) {
        s.am = hour < 12;
    } else {
        const char* designator = SkipBlanks(p);
        s.am = !*designator || DesignatorIs(designator, s.amDesignator);
        hour = To24Hour(hour, !s.am);
    }
    s.hour = static_cast<WORD>(hour);
    s.minute = static_cast<WORD>(minute);
    s.second = static_cast<WORD>(second);
}

ParsedTime ParseTimeString(const TimeEditState& s, const char* text) {
    ParsedTime parsed = {0, 0, 0, true};
    const char* p = SkipBlanks(text);
    parsed.hour = ReadDigits(p);
    if (*p == s.separator) {
        ++p;
        parsed.minute = ReadDigits(p);
        if (*p == s.separator) {
            ++p;
            parsed.second = ReadDigits(p);
        }
    }
    const char* designator = SkipBlanks(p);
    bool pm = parsed.hour > 11;
    if (DesignatorIs(designator, s.amDesignator))
        pm = false;
    else if (DesignatorIs(designator, s.pmDesignator))
        pm = true;
    parsed.am = !pm;
    parsed.hour = To24Hour(parsed.hour, pm);
    return parsed;
}

}  // namespace tw
