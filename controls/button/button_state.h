#pragma once
// Per-window state of the button (324 bytes, pointer in window word 0) and the means to fetch
// it.

#include <windows.h>

namespace tw {

constexpr int kButtonStateWord = 0;
constexpr int kCaptionSize = 256;  // up to 255 characters and the terminator

// Indexes into ButtonState::colors.
enum ButtonColor {
    kButtonFace,
    kButtonText,
    kButtonHighlight,
    kButtonShadow,
    kButtonDarkShadow,    // outer bottom-right edge
    kButtonDefaultFrame,  // outline of the default button
    kButtonColorCount
};

// Bits of ButtonState::state.
constexpr DWORD kStateEnabled = 0x1;
constexpr DWORD kStatePushed = 0x2;
constexpr DWORD kStateCaptured = 0x4;
constexpr DWORD kStateFocus = 0x8;

// Repeat timers: the first delay, then the period.
constexpr UINT_PTR kFirstDelayTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;

struct ButtonState {
    HBITMAP strip;        // resource 222, or 223 with the alternate-strip style (owned)
    HBITMAP bitmap;       // the client's bitmap (not owned)
    HBITMAP secondStrip;  // resource 228, the cells greyed; none with the alternate strip (owned)
    HICON icon;           // the client's icon (not owned)
    HANDLE metafile;      // the client's metafile or enhanced metafile (not owned)
    HFONT font;           // WM_SETFONT; the stock system font at first
    DWORD colorCode;      // the swatch colour
    DWORD colors[kButtonColorCount];
    DWORD pictureIndex;  // the cell of the picture strip
    DWORD state;         // kState* bits
    DWORD repeatTimer;   // the running repeat timer (1 or 2), 0 when none
    char caption[kCaptionSize];
    HWND self;
};

// The state of a button window; null for another window or a button without state.
ButtonState* ButtonStateOf(HWND hwnd);

inline DWORD ButtonStyle(const ButtonState& s) { return DWORD(GetWindowLongA(s.self, GWL_STYLE)); }
inline bool HasButtonStyle(const ButtonState& s, DWORD bits) {
    return (ButtonStyle(s) & bits) != 0;
}
// Sets or clears style bits of the window.
void ChangeButtonStyle(ButtonState& s, DWORD bits, bool set);

inline bool IsPushed(const ButtonState& s) { return (s.state & kStatePushed) != 0; }

// Repaints the button unless its no-redraw style is set.
void RepaintButton(ButtonState& s);

}  // namespace tw
