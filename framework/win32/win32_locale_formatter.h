#pragma once
// The user locale's formatters and values through the system: GetDateFormatA, GetTimeFormatA,
// GetCurrencyFormatA and GetLocaleInfoA for LOCALE_USER_DEFAULT, GetProfileIntA for "intl".

#include "framework/locale_formatter.h"

namespace tw {

class Win32LocaleFormatter : public ILocaleFormatter {
public:
    bool FormatDate(const LocaleDateTime& when, const std::string& picture,
                    std::string& out) const override;
    bool FormatTime(const LocaleDateTime& when, const std::string& picture, unsigned flags,
                    std::string& out) const override;
    bool FormatCurrency(const std::string& number, std::string& out) const override;
    std::string Value(LocaleValue which) const override;
    int IntlProfileInt(const char* key, int defaultValue) const override;
};

}  // namespace tw
