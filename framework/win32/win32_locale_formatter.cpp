#include "framework/win32/win32_locale_formatter.h"

#include <windows.h>

#include <vector>

namespace tw {

namespace {

// Enough for the usual texts; longer ones are retried with a buffer of their size.
const int kBufferSize = 256;

// False for a field that does not fit the 16-bit SYSTEMTIME member (the system would then see
// a different, possibly valid, value).
bool FitsWord(int v) { return v >= 0 && v <= 0xFFFF; }

bool ToSystemTime(const LocaleDateTime& when, SYSTEMTIME& st) {
    const int fields[] = {when.year,   when.month,  when.day,      when.hour,
                          when.minute, when.second, when.dayOfWeek};
    for (int f : fields)
        if (!FitsWord(f)) return false;
    st = SYSTEMTIME{};
    st.wYear = static_cast<WORD>(when.year);
    st.wMonth = static_cast<WORD>(when.month);
    st.wDay = static_cast<WORD>(when.day);
    st.wDayOfWeek = static_cast<WORD>(when.dayOfWeek);
    st.wHour = static_cast<WORD>(when.hour);
    st.wMinute = static_cast<WORD>(when.minute);
    st.wSecond = static_cast<WORD>(when.second);
    return true;
}

// The picture argument of the system formatters: null for the locale's own form.
const char* PictureOrNull(const std::string& picture) {
    return picture.empty() ? nullptr : picture.c_str();
}

// Takes a formatter's result: its length counts the terminating zero, 0 is failure.
bool TakeResult(int length, const char* buffer, std::string& out) {
    if (length <= 0) return false;
    out.assign(buffer, static_cast<size_t>(length - 1));
    return true;
}

// Runs a system formatter, `format(buffer, size)` giving the length with the terminating zero
// or 0 on failure; a result too long for the first buffer is asked again with its own size.
template <typename Format>
bool CallFormatter(Format format, std::string& out) {
    char buffer[kBufferSize];
    if (TakeResult(format(buffer, kBufferSize), buffer, out)) return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    const int needed = format(nullptr, 0);
    if (needed <= 0) return false;
    std::vector<char> large(static_cast<size_t>(needed));
    return TakeResult(format(large.data(), needed), large.data(), out);
}

DWORD TimeFlags(unsigned flags) {
    DWORD system = 0;
    if (flags & kTimeNoSeconds) system |= TIME_NOSECONDS;
    if (flags & kTimeForce24Hour) system |= TIME_FORCE24HOURFORMAT;
    return system;
}

LCTYPE LocaleType(LocaleValue which) {
    switch (which) {
        case LocaleValue::kTimeSeparator: return LOCALE_STIME;
        case LocaleValue::kDateSeparator: return LOCALE_SDATE;
        case LocaleValue::kShortDatePicture: return LOCALE_SSHORTDATE;
        case LocaleValue::kTimePicture: return LOCALE_STIMEFORMAT;
        case LocaleValue::kAmDesignator: return LOCALE_S1159;
        case LocaleValue::kPmDesignator: return LOCALE_S2359;
        case LocaleValue::kDecimalSeparator: return LOCALE_SDECIMAL;
        case LocaleValue::kMonetaryDecimalSeparator: return LOCALE_SMONDECIMALSEP;
        case LocaleValue::kCurrencySymbol: return LOCALE_SCURRENCY;
    }
    return 0;
}

}  // namespace

bool Win32LocaleFormatter::FormatDate(const LocaleDateTime& when, const std::string& picture,
                                      std::string& out) const {
    out.clear();
    SYSTEMTIME st;
    if (!ToSystemTime(when, st)) return false;
    const char* format = PictureOrNull(picture);
    return CallFormatter(
        [&](char* buffer, int size) {
            return GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, format, buffer, size);
        },
        out);
}

bool Win32LocaleFormatter::FormatTime(const LocaleDateTime& when, const std::string& picture,
                                      unsigned flags, std::string& out) const {
    out.clear();
    SYSTEMTIME st;
    if (!ToSystemTime(when, st)) return false;
    const char* format = PictureOrNull(picture);
    const DWORD systemFlags = TimeFlags(flags);
    return CallFormatter(
        [&](char* buffer, int size) {
            return GetTimeFormatA(LOCALE_USER_DEFAULT, systemFlags, &st, format, buffer, size);
        },
        out);
}

bool Win32LocaleFormatter::FormatCurrency(const std::string& number, std::string& out) const {
    out.clear();
    return CallFormatter(
        [&](char* buffer, int size) {
            return GetCurrencyFormatA(LOCALE_USER_DEFAULT, 0, number.c_str(), nullptr, buffer,
                                      size);
        },
        out);
}

std::string Win32LocaleFormatter::Value(LocaleValue which) const {
    const LCTYPE type = LocaleType(which);
    std::string out;
    CallFormatter([&](char* buffer,
                      int size) { return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, size); },
                  out);
    return out;
}

int Win32LocaleFormatter::IntlProfileInt(const char* key, int defaultValue) const {
    if (key == nullptr) return defaultValue;
    return static_cast<int>(GetProfileIntA("intl", key, defaultValue));
}

}  // namespace tw
