#include "framework/portable_locale_formatter.h"

#include <cstring>

#include "framework/locale_currency.h"
#include "framework/locale_render.h"

namespace tw {

namespace {

const char kShortDate[] = "M/d/yyyy";
const char kTimePicture[] = "h:mm:ss tt";

// Beyond this many pictures the cache starts over; real callers use a handful.
const size_t kMaxCachedPictures = 64;

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kDayAbbrevs[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
const char* const kMonthAbbrevs[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const LocaleNames kEnglishNames{kDayNames, kDayAbbrevs, kMonthNames, kMonthAbbrevs, "AM", "PM"};

const CurrencyStyle kDollars{"$", ',', '.'};

}  // namespace

const Picture& PortableLocaleFormatter::Parsed(PictureCache& cache, const std::string& picture,
                                               const char* fieldLetters) const {
    auto found = cache.find(picture);
    if (found != cache.end()) return found->second;
    if (cache.size() >= kMaxCachedPictures) cache.clear();
    return cache.emplace(picture, ParsePicture(picture, fieldLetters)).first->second;
}

bool PortableLocaleFormatter::FormatDate(const LocaleDateTime& when, const std::string& picture,
                                         std::string& out) const {
    out.clear();
    if (!IsFormattableDate(when)) return false;
    static const std::string kDefault = kShortDate;
    std::lock_guard<std::mutex> lock(cacheLock_);
    const Picture& parsed =
        Parsed(datePictures_, picture.empty() ? kDefault : picture, kDateFieldLetters);
    RenderDate(parsed, when, kEnglishNames, out);
    return true;
}

bool PortableLocaleFormatter::FormatTime(const LocaleDateTime& when, const std::string& picture,
                                         unsigned flags, std::string& out) const {
    out.clear();
    if (!IsFormattableTime(when)) return false;
    static const std::string kDefault = kTimePicture;
    std::lock_guard<std::mutex> lock(cacheLock_);
    const Picture& parsed =
        Parsed(timePictures_, picture.empty() ? kDefault : picture, kTimeFieldLetters);
    RenderTime(parsed, when, flags, kEnglishNames, out);
    return true;
}

bool PortableLocaleFormatter::FormatCurrency(const std::string& number, std::string& out) const {
    out.clear();
    return FormatCurrencyText(number, kDollars, out);
}

std::string PortableLocaleFormatter::Value(LocaleValue which) const {
    switch (which) {
        case LocaleValue::kTimeSeparator: return ":";
        case LocaleValue::kDateSeparator: return "/";
        case LocaleValue::kShortDatePicture: return kShortDate;
        case LocaleValue::kTimePicture: return kTimePicture;
        case LocaleValue::kAmDesignator: return kEnglishNames.am;
        case LocaleValue::kPmDesignator: return kEnglishNames.pm;
        case LocaleValue::kDecimalSeparator: return ".";
        case LocaleValue::kMonetaryDecimalSeparator: return ".";
        case LocaleValue::kCurrencySymbol: return kDollars.symbol;
    }
    return std::string();
}

int PortableLocaleFormatter::IntlProfileInt(const char* key, int defaultValue) const {
    if (key != nullptr && (std::strcmp(key, "iTime") == 0 || std::strcmp(key, "iDate") == 0))
        return 0;
    return defaultValue;
}

ILocaleFormatter& PortableLocaleFormatterInstance() {
    static PortableLocaleFormatter instance;
    return instance;
}

}  // namespace tw
