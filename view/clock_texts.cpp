#include "view/clock_texts.h"

namespace tw {

ClockState ClockStateOf(bool stopped, bool paused) {
    if (stopped) return ClockState::kIdle;
    return paused ? ClockState::kPaused : ClockState::kRunning;
}

TotalsLabels TotalsLabelsOf(int totalsMode) {
    switch (totalsMode) {
        case 1: return {"Total All Time:", "Total All Charge:", "Total All Expense:"};
        case 2: return {"Total Mark Time:", "Total Mark Charge:", "Total Mark Expense:"};
        default: return {"Total Active Time:", "Total Active Charge:", "Total Active Expense:"};
    }
}

const char* StartCommandText(ClockState state, int selectedRows) {
    if (state != ClockState::kIdle) return "Stop";
    return selectedRows == 1 ? "Restart" : "Start";
}

const char* PauseCommandText(ClockState state) {
    return state == ClockState::kPaused ? "Resume" : "Pause";
}

int StatusBitmapId(ClockState state) {
    switch (state) {
        case ClockState::kRunning: return 165;
        case ClockState::kPaused: return 166;
        default: return 164;
    }
}

int CheckMarkBitmapId(ClockState state) {
    switch (state) {
        case ClockState::kRunning: return 168;
        case ClockState::kPaused: return 167;
        default: return 169;
    }
}

int StateIconId(ClockState state) {
    switch (state) {
        case ClockState::kRunning: return 190;
        case ClockState::kPaused: return 191;
        default: return 189;
    }
}

std::string ChildCaption(const std::string& title, const std::string& total, bool minimized) {
    return minimized && !total.empty() ? title + " - " + total : title;
}

std::string MainCaption(const std::string& total, const std::string& title,
                        const std::string& appName) {
    const std::string tail = title + " - " + appName;
    return total.empty() ? tail : total + " - " + tail;
}

}  // namespace tw
