#include "doc/display_formats.h"

#include "framework/platform.h"

namespace tw {

CDisplayFormats::CDisplayFormats(const TimeDisplaySettings& settings, const LocaleFormats* formats)
    : settings_(settings), formats_(formats != nullptr ? formats : &AppLocaleFormats()) {}

Duration CDisplayFormats::RoundDuration(Duration s, bool exact) const {
    return tw::RoundDuration(s, exact, settings_);
}

float CDisplayFormats::ComputeCharge(Duration elapsed, float rate) const {
    return tw::ComputeCharge(elapsed, rate, settings_);
}

std::string CDisplayFormats::FormatDuration(Duration d, bool clockForm) const {
    return tw::FormatDuration(d, clockForm, settings_, *formats_, *Platform().locale);
}

std::string CDisplayFormats::FormatCharge(Duration elapsed, float rate) const {
    return tw::FormatCharge(elapsed, rate, settings_, *Platform().locale);
}

std::string CDisplayFormats::FormatMoney(float amount) const {
    return tw::FormatMoney(amount, *Platform().locale);
}

float CDisplayFormats::ParseMoney(const std::string& text) const {
    return tw::ParseMoney(text, *formats_);
}

bool CDisplayFormats::ParseDuration(const std::string& text, bool decimal,
                                    Duration& seconds) const {
    return tw::ParseDuration(text, decimal, *formats_, seconds);
}

std::string CDisplayFormats::FormatDate(CalTime t, bool fixed) const {
    return tw::FormatDate(t, fixed, *Platform().locale);
}

std::string CDisplayFormats::FormatTimeOfDay(CalTime t, bool fixed) const {
    return tw::FormatTimeOfDay(t, fixed, *Platform().locale);
}

bool CDisplayFormats::MinuteChanged(Duration s, bool exact) {
    if (IncrementMode(settings_) == 0) return true;
    const int minute = MinuteWithinHour(tw::RoundDuration(s, exact, settings_));
    int& shown = shownMinute_[exact ? 1 : 0];
    if (minute == shown) return false;
    shown = minute;
    return true;
}

void CDisplayFormats::ResetShownMinutes() { shownMinute_[0] = shownMinute_[1] = 0; }

}  // namespace tw
