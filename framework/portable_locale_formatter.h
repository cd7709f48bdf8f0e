#pragma once
// The locale formatter for English (United States) without the system: short date "M/d/yyyy",
// time "h:mm:ss tt", separators ":" and "/", designators "AM"/"PM", "." decimals and money
// "$1,234.50" / "($1,234.50)"; the intl values iTime and iDate are 0.

#include <mutex>
#include <string>
#include <unordered_map>

#include "framework/locale_formatter.h"
#include "framework/locale_picture.h"

namespace tw {

class PortableLocaleFormatter : public ILocaleFormatter {
public:
    bool FormatDate(const LocaleDateTime& when, const std::string& picture,
                    std::string& out) const override;
    bool FormatTime(const LocaleDateTime& when, const std::string& picture, unsigned flags,
                    std::string& out) const override;
    bool FormatCurrency(const std::string& number, std::string& out) const override;
    std::string Value(LocaleValue which) const override;
    int IntlProfileInt(const char* key, int defaultValue) const override;

private:
    using PictureCache = std::unordered_map<std::string, Picture>;
    // The parsed form of a picture, parsed on first use and kept.
    const Picture& Parsed(PictureCache& cache, const std::string& picture,
                          const char* fieldLetters) const;

    mutable std::mutex cacheLock_;
    mutable PictureCache datePictures_;
    mutable PictureCache timePictures_;
};

// The process-wide instance; the default locale service of Platform().
ILocaleFormatter& PortableLocaleFormatterInstance();

}  // namespace tw
