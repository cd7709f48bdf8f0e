#pragma once
// The general (per-user) settings of the program: what outlives a document. They live in the
// section "Tallywick" of the settings store; flags are the texts "TRUE" and "FALSE" and count
// as on only when the text is "TRUE" exactly, "AutoSaveMinutes" is decimal text, the other
// numbers are integers. A missing key gives its default; a value out of its range its mapping.

#include <string>
#include <vector>

#include "doc/time_adjust.h"

namespace tw {

class ISettingsStore;

inline constexpr const char* kGeneralSection = "Tallywick";

// The start-up choice.
enum class StartupChoice : int { kNothing = 0, kNewDocument = 1, kReopenLast = 2 };

struct GeneralSettings {
    bool hideToolBar = false;    // while the document windows are compacted
    bool hideStatusBar = false;  // likewise
    bool autoSave = false;
    int autoSaveMinutes = 0;  // 0..1440; auto-save runs only when on and not 0
    StartupChoice startup = StartupChoice::kNothing;
    RecalcTarget startAdjust = RecalcTarget::kElapsed;    // after a start cell edit
    RecalcTarget stopAdjust = RecalcTarget::kElapsed;     // after a stop cell edit
    RecalcTarget elapsedAdjust = RecalcTarget::kStop;     // after an elapsed cell edit
    RecalcTarget pausedAdjust = RecalcTarget::kElapsed;   // after a paused cell edit
    RecalcTarget generalAdjust = RecalcTarget::kElapsed;  // the Edit Time dialog's target
    bool autoAdjust = false;                              // the Edit Time dialog's Auto Adjust
    bool confirmDelete = true;

    // Auto-save is active: on with a number of minutes other than 0.
    bool AutoSaveActive() const { return autoSave && autoSaveMinutes != 0; }
};

// The values of the keys above, with their defaults and mappings.
GeneralSettings ReadGeneralSettings(const ISettingsStore& store);

// Writers of single settings in their stored forms.
bool WriteFlag(ISettingsStore& store, const std::string& key, bool on);
bool ReadFlag(const ISettingsStore& store, const std::string& key, bool fallback);
bool WriteAutoSaveMinutes(ISettingsStore& store, int minutes);

// "AutoSaveMinutes" as stored: a leading decimal number (like "%d"), limited to 0..1440;
// text that does not start with a number, or a negative one, reads as 0.
int ParseAutoSaveMinutes(const std::string& text);

// Mappings of stored integers: a value outside the kept set becomes the default.
StartupChoice MapStartupChoice(int stored);
RecalcTarget MapStartAdjust(int stored);
RecalcTarget MapStopAdjust(int stored);
RecalcTarget MapElapsedAdjust(int stored);
RecalcTarget MapPausedAdjust(int stored);
RecalcTarget MapGeneralAdjust(int stored);

// The documents open at the last exit: "numDocPaths" entries "DocFileName1".."DocFileNameN",
// empty ones left out, in order.
std::vector<std::string> ReadReopenPaths(const ISettingsStore& store);
// Writes the list (and removes no key: a shorter list simply has a smaller count).
bool WriteReopenPaths(ISettingsStore& store, const std::vector<std::string>& paths);

}  // namespace tw
