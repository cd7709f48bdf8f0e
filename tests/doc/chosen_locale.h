#pragma once
// A locale for tests: values and intl settings as the test chooses them; its formatters always
// refuse, which reaches the texts built without them.

#include <map>
#include <string>

#include "framework/locale_formatter.h"

namespace tw {

class ChosenLocale : public ILocaleFormatter {
public:
    std::map<LocaleValue, std::string> values;
    std::map<std::string, int> intl;

    bool FormatDate(const LocaleDateTime&, const std::string&, std::string&) const override {
        return false;
    }
    bool FormatTime(const LocaleDateTime&, const std::string&, unsigned,
                    std::string&) const override {
        return false;
    }
    bool FormatCurrency(const std::string&, std::string&) const override { return false; }
    std::string Value(LocaleValue which) const override {
        auto found = values.find(which);
        return found == values.end() ? std::string() : found->second;
    }
    int IntlProfileInt(const char* key, int defaultValue) const override {
        auto found = intl.find(key);
        return found == intl.end() ? defaultValue : found->second;
    }
};

}  // namespace tw
