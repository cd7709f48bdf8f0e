// Any bytes as a typed duration, a typed amount, a date or time picture and a number text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "doc/display_formats.h"
#include "framework/portable_locale_formatter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const tw::ILocaleFormatter& locale = tw::PortableLocaleFormatterInstance();
    static const tw::LocaleFormats formats = tw::LoadLocaleFormats(locale);
    tw::Duration seconds = 0;
    tw::ParseDuration(text, false, formats, seconds);
    tw::ParseDuration(text, true, formats, seconds);
    tw::ParseMoney(text, formats);
    tw::LocaleDateTime when;
    std::string out;
    locale.FormatDate(when, text, out);
    locale.FormatTime(when, text, tw::kTimeNoSeconds, out);
    locale.FormatCurrency(text, out);
    tw::DurationPicture(tw::TimeEditPicture(tw::RemoveSecondsField(text, ":")));
    return 0;
}
