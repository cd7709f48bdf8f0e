#pragma once
// What OK on the general preferences does with the auto-save choice: the timer of the main
// window and the two stored values change only as far as the choice changed. Minutes typed
// while auto-save stays off are discarded.

namespace tw {

constexpr int kAutoSaveMinutesMax = 1440;  // one day

// The lowest number of minutes accepted: 1 while auto-save is checked (0 would save once a
// minute later and never again), else 0.
int MinAutoSaveMinutes(bool on);

enum class AutoSaveTimerAction {
    kNone,     // auto-save stays as it was
    kStop,     // turned off
    kStart,    // turned on: the last-save time becomes now
    kRestart,  // stays on with other minutes
};

struct AutoSaveChange {
    AutoSaveTimerAction timer = AutoSaveTimerAction::kNone;
    bool writeFlag = false;    // "AutoSave" is written
    bool takeMinutes = false;  // the new minutes are kept and written to "AutoSaveMinutes"
};

AutoSaveChange AutoSaveChangeOf(bool wasOn, int oldMinutes, bool on, int minutes);

}  // namespace tw
