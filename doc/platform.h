#pragma once
// Services the portable core takes from the platform: the wall clock, message boxes and the
// locale's formatters. The program installs its Win32 implementations at start-up; the
// portable defaults serve the command-line tool, and tests install doubles.

#include <string>
#include <vector>

#include "doc/time_range.h"

namespace tw {

class ILocaleFormatter;  // doc/locale_formatter.h

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
    IClock* clock;               // never null
    IMessageBox* messages;       // never null
    ILocaleFormatter* locale;    // never null
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

// A clock for tests: stays where it is set, can move forward and jump back.
class TestClock : public IClock {
public:
    explicit TestClock(CalTime now = 0) : now_(now) {}
    CalTime Now() const override { return now_; }
    void Set(CalTime t) { now_ = t; }
    void Advance(Duration d) { now_ += d; }

private:
    CalTime now_;
};

// Portable message box: writes the text to standard error.
class StderrMessageBox : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override;
};

// A message box for tests: remembers every text it was asked to show.
class RecordingMessageBox : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override;
    const std::string& Last() const;  // empty when nothing was shown
    int Count() const { return static_cast<int>(shown_.size()); }
    void Clear() { shown_.clear(); }

private:
    std::vector<std::string> shown_;
};

}  // namespace tw
