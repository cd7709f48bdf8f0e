#pragma once
// Test doubles of the platform services: a clock that stays where a test puts it, and a message
// box that remembers what it was asked to show.

#include <string>
#include <vector>

#include "framework/platform.h"

namespace tw {

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
