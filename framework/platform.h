#pragma once
// Services the portable core takes from the platform: the wall clock, message boxes and the
// locale's formatters. The program installs its Win32 implementations at start-up; the
// portable defaults serve the command-line tool, and tests install doubles
// (tests/support/platform_doubles.h).

#include <string>

#include "framework/cal_time.h"

namespace tw {

class ILocaleFormatter;  // framework/locale_formatter.h

// The local wall clock on the calendar seconds scale.
class IClock {
public:
    virtual ~IClock() = default;
    virtual CalTime Now() const = 0;
};

// A message box with an OK button showing one text.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

struct PlatformServices {
    IClock* clock;             // never null
    IMessageBox* messages;     // never null
    ILocaleFormatter* locale;  // never null
};

// The process-wide services. Starts with the portable defaults.
PlatformServices& Platform();

// Installs other services for its lifetime and puts the previous ones back after.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const PlatformServices& services) : saved_(Platform()) {
        Platform() = services;
    }
    ~ScopedPlatform() { Platform() = saved_; }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    PlatformServices saved_;
};

// Portable clock: time(), which is the wall clock on the seconds scale.
class SystemClock : public IClock {
public:
    CalTime Now() const override;
};

// Portable message box: writes the text to standard error.
class StderrMessageBox : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override;
};

}  // namespace tw
