#include "doc/platform.h"

#include <cstdio>
#include <ctime>

namespace tw {

ILocaleFormatter& PortableLocaleFormatterInstance();  // doc/portable_locale_formatter.cpp

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

void RecordingMessageBox::ShowMessage(const std::string& text) { shown_.push_back(text); }

const std::string& RecordingMessageBox::Last() const {
    static const std::string kNone;
    return shown_.empty() ? kNone : shown_.back();
}

}  // namespace tw
