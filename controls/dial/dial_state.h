#pragma once
// State of one dial window (TarnDial32), kept in window word 0, and its creation and
// destruction.

#include <windows.h>

#include "controls/dial/dial_angles.h"

namespace tw {

// The parts a left-button press can hold.
enum DialPart : LONG { kNoPart = 0, kLeftStep = 1, kRightStep = 2, kKnob = 3 };

// The first fields are the 52-byte record clients may know, in its order.
struct DialState {
    LONG turnStart, turnEnd;  // angles in degrees of the minimum and the maximum
    LONG minimum, maximum;    // the value range
    LONG position;            // current value
    LONG pressedPart;         // DialPart held by the mouse
    LONG direction;           // 1: positions grow clockwise; 0: counterclockwise
    LONG leftPressed;         // the left step button is held with the pointer over it
    LONG rightPressed;        // the same for the right one
    LONG tracking;            // the knob follows the mouse
    LONG enabled;             // from WM_ENABLE
    LONG repeatTimer;         // the step timer running: 0, delay (1) or repeat (2)
    LONG trackValue;          // the value a drag reported last
    HWND self;                // the dial's window
    HPALETTE palette;         // ten shades for 8-bit displays, owned
    BOOL hasFocus;
};

constexpr int kDialStateWord = 0;

inline DialSpan TurnOf(const DialState& s) { return {s.turnStart, s.turnEnd}; }
inline DialSpan ValuesOf(const DialState& s) { return {s.minimum, s.maximum}; }

// The state of a dial window; null for any other window or one without state.
DialState* FetchDialState(HWND hwnd);

// True while `hwnd` is still the dial whose state is `s`: whoever received a notification may
// have destroyed it meanwhile, and then `s` must not be touched.
bool DialAlive(HWND hwnd, const DialState* s);

// WM_NCCREATE: allocates the state with its defaults (turn -45..225, range 0..100, direction
// 1) and its palette; false, nothing kept, when memory is short.
bool DIAL_NcCreate(HWND hwnd, const CREATESTRUCTA* create);

// WM_NCDESTROY: stops the step timers, frees the palette and the state.
void DIAL_NcDestroy(DialState& s);

}  // namespace tw
