#pragma once
// The display formats of one document: its time display settings with the application's locale
// formats and the system's formatter (Platform().locale at each call), and the minutes the
// running clock showed last. The free functions of the included headers do the work; this
// object binds them to a document.

#include <string>

#include "doc/display_formats_dates.h"
#include "doc/display_formats_parse.h"
#include "doc/display_formats_rounding.h"
#include "doc/display_formats_text.h"
#include "doc/locale_formats.h"

namespace tw {

class CDisplayFormats {
public:
    // `formats` null: the application's (AppLocaleFormats()); it must outlive this object.
    explicit CDisplayFormats(const TimeDisplaySettings& settings = TimeDisplaySettings(),
                             const LocaleFormats* formats = nullptr);

    // Attributes
    const TimeDisplaySettings& Settings() const { return settings_; }
    void SetSettings(const TimeDisplaySettings& settings) { settings_ = settings; }
    const LocaleFormats& Formats() const { return *formats_; }

    // Operations
    Duration RoundDuration(Duration s, bool exact) const;
    float ComputeCharge(Duration elapsed, float rate) const;
    std::string FormatDuration(Duration d, bool clockForm) const;
    std::string FormatCharge(Duration elapsed, float rate) const;
    std::string FormatMoney(float amount) const;
    float ParseMoney(const std::string& text) const;
    bool ParseDuration(const std::string& text, bool decimal, Duration& seconds) const;
    std::string FormatDate(CalTime t, bool fixed) const;
    std::string FormatTimeOfDay(CalTime t, bool fixed) const;

    // True when the shown minute of `s` (rounded with `exact`) differs from the one remembered
    // for that kind of call, which it then remembers; always true in mode 0.
    bool MinuteChanged(Duration s, bool exact);
    // Forgets both remembered minutes (back to 0); starting or restarting a record calls it.
    void ResetShownMinutes();

private:
    TimeDisplaySettings settings_;
    const LocaleFormats* formats_;
    int shownMinute_[2] = {0, 0};  // [0] rounded, [1] exact
};

}  // namespace tw
