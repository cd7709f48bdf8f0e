// Any bytes as a typed duration, a typed amount, a date or time picture and a number text,
// through the parsers and the portable formatter. A duration read in either form and written
// as a clock with seconds reads back to the same seconds; an amount read and written as money
// writes the same money again once read back; a picture without field letters or quotes is
// copied as it is.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "doc/display_formats.h"
#include "framework/locale_picture.h"
#include "framework/portable_locale_formatter.h"

namespace {

const tw::ILocaleFormatter& Locale() { return tw::PortableLocaleFormatterInstance(); }

const tw::LocaleFormats& Formats() {
    static const tw::LocaleFormats formats = tw::LoadLocaleFormats(Locale());
    return formats;
}

void CheckDuration(const std::string& text, bool decimal) {
    tw::Duration seconds = 0;
    if (!tw::ParseDuration(text, decimal, Formats(), seconds)) return;
    if (seconds < 0) std::abort();
    tw::TimeDisplaySettings exact;
    exact.increment = 0;  // seconds shown, nothing rounded
    const std::string clock = tw::FormatDuration(seconds, true, exact, Formats(), Locale());
    tw::Duration back = -1;
    if (!tw::ParseDuration(clock, false, Formats(), back) || back != seconds) std::abort();
}

void CheckMoney(const std::string& text) {
    const float amount = tw::ParseMoney(text, Formats());
    const std::string money = tw::FormatMoney(amount, Locale());
    const float back = tw::ParseMoney(money, Formats());
    if (tw::FormatMoney(back, Locale()) != money) std::abort();
}

bool HasNone(const std::string& text, const char* letters) {
    return text.find_first_of(std::string(letters) + "'") == std::string::npos;
}

void CheckPictures(const std::string& picture) {
    tw::LocaleDateTime when;
    when.year = 2026, when.month = 11, when.day = 2, when.hour = 21, when.minute = 5;
    when.second = 31;
    std::string out;
    if (!Locale().FormatDate(when, picture, out)) std::abort();
    if (!picture.empty() && HasNone(picture, tw::kDateFieldLetters) && out != picture) std::abort();
    for (unsigned flags : {0u, tw::kTimeNoSeconds, tw::kTimeForce24Hour}) {
        if (!Locale().FormatTime(when, picture, flags, out)) std::abort();
        if (!picture.empty() && HasNone(picture, tw::kTimeFieldLetters) && out != picture)
            std::abort();
    }
    const std::string duration =
        tw::DurationPicture(tw::TimeEditPicture(tw::RemoveSecondsField(picture, ":")));
    if (duration.find('h') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckDuration(text, false);
    CheckDuration(text, true);
    CheckMoney(text);
    CheckPictures(text);
    std::string out;
    Locale().FormatCurrency(text, out);
    return 0;
}
