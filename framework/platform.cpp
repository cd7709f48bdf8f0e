#include "framework/platform.h"

#include <cstdio>
#include <ctime>

namespace tw {

ILocaleFormatter& PortableLocaleFormatterInstance();  // framework/portable_locale_formatter.cpp

PlatformServices& Platform() {
    static SystemClock clock;
    static StderrMessageBox messages;
    static PlatformServices services{&clock, &messages, &PortableLocaleFormatterInstance()};
    return services;
}

CalTime SystemClock::Now() const { return static_cast<CalTime>(std::time(nullptr)); }

void StderrMessageBox::ShowMessage(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace tw
