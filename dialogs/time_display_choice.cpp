#include "dialogs/time_display_choice.h"

#include <algorithm>

namespace tw {

bool DecimalNotationAllowed(int increment) { return increment >= 2 && increment <= 4; }

bool HundredthsEditable(int increment) { return increment == kIncrementHundredths; }

TimeDisplaySettings ShownTimeDisplay(const TimeDisplaySettings& stored) {
    TimeDisplaySettings shown;
    shown.increment = IncrementMode(stored);
    shown.decimalNotation = stored.decimalNotation && DecimalNotationAllowed(shown.increment);
    shown.hundredths = std::clamp(stored.hundredths, kHundredthsMin, kHundredthsMax);
    return shown;
}

TimeDisplaySettings ChosenTimeDisplay(const TimeDisplaySettings& shown, int increment, bool decimal,
                                      int typedHundredths) {
    TimeDisplaySettings chosen = shown;
    chosen.increment = increment >= 0 && increment < kIncrementChoiceCount ? increment : 1;
    chosen.decimalNotation = decimal && DecimalNotationAllowed(chosen.increment);
    if (HundredthsEditable(chosen.increment)) chosen.hundredths = typedHundredths;
    return chosen;
}

}  // namespace tw
