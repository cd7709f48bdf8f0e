#pragma once
// State of one numeric edit window (TarnNumEdit32): the shared edit part, the number's format,
// range and separators, and the spin buttons.

#include <windows.h>

#include "controls/common/edit_core.h"
#include "controls/numedit/number_display.h"
#include "controls/numedit/number_typing.h"

namespace tw {

// Unlike the date and time edits the numeric edit keeps its state in window word 0.
constexpr int kNumEditStateWord = 0;
constexpr size_t kNumEditStateBytes = 200;  // the state block is at least this large

// Style bits of the low word.
constexpr DWORD kNumCenterBit = 0x0001;
constexpr DWORD kNumRightBit = 0x0002;
constexpr DWORD kNumSpinButtonsBit = 0x0004;
constexpr DWORD kNumFormattedBit = 0x0008;
constexpr DWORD kNumRecordedBits = 0x0080 | 0x0100;  // kept from creation, read by nothing
constexpr DWORD kNumNoRedrawOnSetBit = 0x8000;

// Spin phases and buttons.
enum SpinPhase : WORD { kSpinIdle = 0, kSpinFirstDelay = 1, kSpinRepeating = 2 };
enum SpinButton : WORD { kNoSpinButton = 0, kSpinUp = 1, kSpinDown = 2 };

constexpr int kShownCapacity = 96;  // 63 digits, their thousands separators and parentheses

struct NumEditState {
    EditCore core;
    WORD textLimit;          // 1..63, 63 at creation
    BOOL formatted;          // display style 1: formatted while unfocused (style bit 0x0008)
    DWORD format;            // 0..9
    BOOL spinButtons;        // shown (style bit 0x0004)
    HBITMAP spinBitmap;      // resource 700: the arrows of the spin buttons
    BOOL useSystemSettings;  // separators and leading zero follow the intl settings
    BOOL systemDigits;       // the decimals follow iDigits
    BOOL rangeOn;            // values are clamped to [minimum, maximum]
    DWORD decimals;          // 0..12, places of the decimal formats
    double minimum;
    double maximum;
    WORD spinPhase;   // SpinPhase
    WORD spinButton;  // SpinButton held down
    BOOL spinHot;     // the mouse is over the held spin button
    char thousandsSep;
    char decimalSep;
    BOOL leadingZero;            // "0.5" rather than ".5"
    DWORD recordedBits;          // style bits 0x0080 and 0x0100 at creation
    double delta;                // the spin step, 1.0 at creation
    char shown[kShownCapacity];  // the formatted or null form painted instead of the text
};

// The state of a numeric edit window; null for any other window or one without state.
NumEditState* FetchNumEditState(HWND hwnd);

// The numeric edit that owns `core` (its first member).
inline NumEditState& NumStateOf(EditCore& core) { return reinterpret_cast<NumEditState&>(core); }
inline const NumEditState& NumStateOf(const EditCore& core) {
    return reinterpret_cast<const NumEditState&>(core);
}

// How the control writes numbers now.
NumberLook LookOf(const NumEditState& s);
// The typing rules now.
NumberTypingRules TypingRulesOf(const NumEditState& s);
NumberRange RangeOf(const NumEditState& s);

}  // namespace tw
