#include "doc/locale_formats.h"

#include "framework/platform.h"

namespace tw {

namespace {

std::string ValueOr(const ILocaleFormatter& locale, LocaleValue which, const char* fallback) {
    std::string v = locale.Value(which);
    return v.empty() ? fallback : v;
}

// A separator inside a strftime pattern: a '%' must be doubled to stay literal.
std::string PatternText(const std::string& separator) {
    std::string out;
    for (char c : separator) {
        out.push_back(c);
        if (c == '%') out.push_back('%');
    }
    return out;
}

std::string TableDateFormat(int dateOrder, const std::string& separator) {
    const std::string s = PatternText(separator);
    if (dateOrder == 0) return "%m" + s + "%d" + s + "%Y";
    if (dateOrder == 1) return "%d" + s + "%m" + s + "%Y";
    return "%Y" + s + "%m" + s + "%d";
}

std::string TableTimeFormat(int clockOrder, const std::string& separator) {
    const std::string s = PatternText(separator);
    return clockOrder == 1 ? "%H" + s + "%M" : "%I" + s + "%M %p";
}

void SetTimePictures(LocaleFormats& f, const std::string& localePicture) {
    const std::string& sep = f.timeSeparator;
    if (localePicture.empty()) {
        f.timeEditPicture = "hh" + sep + "mm PM";
        f.durationPicture = "HH" + sep + "mm";
        f.durationPictureSeconds = "HH" + sep + "mm" + sep + "ss";
        return;
    }
    const std::string withoutSeconds = RemoveSecondsField(localePicture, sep);
    f.timeEditPicture = TimeEditPicture(withoutSeconds);
    f.durationPicture = DurationPicture(withoutSeconds);
    f.durationPictureSeconds = DurationPicture(localePicture);
}

}  // namespace

std::string RemoveSecondsField(const std::string& picture, const std::string& separator) {
    size_t start = picture.find('s');
    if (start == std::string::npos) return picture;
    const size_t length = start + 1 < picture.size() && picture[start + 1] == 's' ? 2 : 1;
    size_t end = start + length;
    if (!separator.empty() && start >= separator.size() &&
        picture.compare(start - separator.size(), separator.size(), separator) == 0)
        start -= separator.size();
    return picture.substr(0, start) + picture.substr(end);
}

std::string TimeEditPicture(const std::string& pictureWithoutSeconds) {
    std::string p = pictureWithoutSeconds;
    const size_t t = p.find('t');
    if (t == std::string::npos) return p;
    p[t] = 'P';
    if (t + 1 < p.size() && p[t + 1] == 't') p[t + 1] = 'M';
    return p;
}

std::string DurationPicture(const std::string& picture) {
    std::string p = picture;
    size_t start = p.find('t');
    if (start != std::string::npos) {
        const size_t end = start + (start + 1 < p.size() && p[start + 1] == 't' ? 2 : 1);
        if (start > 0 && p[start - 1] == ' ') --start;
        p.erase(start, end - start);
    }
    for (char& c : p)
        if (c == 'h') c = 'H';
    return p;
}

LocaleFormats LoadLocaleFormats(const ILocaleFormatter& locale) {
    LocaleFormats f;
    f.clockOrder = locale.IntlProfileInt("iTime", 0);
    f.dateOrder = locale.IntlProfileInt("iDate", 0);
    f.shortDate = ValueOr(locale, LocaleValue::kShortDatePicture, "MM/DD/YYYY");
    f.timeSeparator = ValueOr(locale, LocaleValue::kTimeSeparator, ":");
    f.dateSeparator = ValueOr(locale, LocaleValue::kDateSeparator, "/");
    f.amDesignator = locale.Value(LocaleValue::kAmDesignator);
    f.pmDesignator = locale.Value(LocaleValue::kPmDesignator);
    f.decimalSeparator = ValueOr(locale, LocaleValue::kDecimalSeparator, ".");
    f.monetaryDecimalSeparator = ValueOr(locale, LocaleValue::kMonetaryDecimalSeparator, ".");
    f.currencySymbol = ValueOr(locale, LocaleValue::kCurrencySymbol, "$");
    SetTimePictures(f, locale.Value(LocaleValue::kTimePicture));
    f.tableDateFormat = TableDateFormat(f.dateOrder, f.dateSeparator);
    f.tableTimeFormat = TableTimeFormat(f.clockOrder, f.timeSeparator);
    return f;
}

LocaleFormats& AppLocaleFormats() {
    static LocaleFormats formats = LoadLocaleFormats(*Platform().locale);
    return formats;
}

}  // namespace tw
