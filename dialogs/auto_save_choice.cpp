#include "dialogs/auto_save_choice.h"

namespace tw {

int MinAutoSaveMinutes(bool on) { return on ? 1 : 0; }

AutoSaveChange AutoSaveChangeOf(bool wasOn, int oldMinutes, bool on, int minutes) {
    AutoSaveChange change;
    if (wasOn != on) {
        change.timer = on ? AutoSaveTimerAction::kStart : AutoSaveTimerAction::kStop;
        change.writeFlag = true;
        change.takeMinutes = true;
    } else if (on && minutes != oldMinutes) {
        change.timer = AutoSaveTimerAction::kRestart;
        change.takeMinutes = true;
    }
    return change;
}

}  // namespace tw
