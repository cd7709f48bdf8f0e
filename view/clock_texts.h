#pragma once
// What the running clock shows besides the rows: the totals labels by totals mode, the Start and
// Pause command texts, the pictures of each clock state and the window captions.

#include <string>

namespace tw {

enum class ClockState { kIdle, kRunning, kPaused };

ClockState ClockStateOf(bool stopped, bool paused);

struct TotalsLabels {
    const char* time;
    const char* charge;
    const char* expense;
};

// Mode 1 all records, 2 marked records, anything else the active record.
TotalsLabels TotalsLabelsOf(int totalsMode);

// "Stop" while the clock runs or pauses; idle: "Restart" when exactly one row is selected,
// else "Start".
const char* StartCommandText(ClockState state, int selectedRows);
// "Resume" while paused, else "Pause".
const char* PauseCommandText(ClockState state);

// Resource ids of the state pictures.
int StatusBitmapId(ClockState state);     // 164 idle, 165 running, 166 paused
int CheckMarkBitmapId(ClockState state);  // 169 idle, 168 running, 167 paused
int StateIconId(ClockState state);        // 189 idle, 190 running, 191 paused

// The document window's caption: title + " - " + total while minimized with a total to show.
std::string ChildCaption(const std::string& title, const std::string& total, bool minimized);
// The main window's caption while the document's window is the active one.
std::string MainCaption(const std::string& total, const std::string& title,
                        const std::string& appName);

// The choice list of an item column: the texts of the occupied slots in slot order, a tab
// before each text except the one of slot 0. `texts[i]` is slot i's display text, empty when
// the slot has none.
template <typename Texts>
std::string ChoiceListText(const Texts& texts) {
    std::string out;
    for (size_t slot = 0; slot < texts.size(); ++slot) {
        if (texts[slot].empty()) continue;
        if (slot != 0) out += '\t';
        out += texts[slot];
    }
    return out;
}

}  // namespace tw
