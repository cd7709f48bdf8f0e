#pragma once
// The system's number settings (section intl of the settings: iDigits, sThousand, sDecimal,
// iLzero) as the numeric edit follows them.

#include "controls/numedit/numedit_state.h"

namespace tw {

struct SystemNumberSettings {
    int digits;         // iDigits, default 2, brought into 0..12
    char thousandsSep;  // sThousand, default ","
    char decimalSep;    // sDecimal, default "."
    bool leadingZero;   // iLzero, default 1
};

SystemNumberSettings ReadSystemNumberSettings();

// Takes the system's separators and leading zero while the control follows the system
// settings, and its digits while the decimals follow them.
void TakeSystemSettings(NumEditState& s);

// WM_WININICHANGE: for the intl section (or every section) a control that follows the system
// settings takes them again and repaints.
LRESULT NUM_SettingsChanged(NumEditState& s, const char* section);

}  // namespace tw
