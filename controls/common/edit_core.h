#pragma once
// The state the date and time edits share: selection, caret, focus, font, edit text, display
// style, colours and border, and the hooks through which the shared machinery (caret, mouse,
// painting, clipboard, standard messages) reaches the control's own field rules.

#include <windows.h>

namespace tw {

enum DigitStyle : WORD { kPlainText = 0, kBitmapDigits = 2, kFixedCells = 3 };

// Slots of EditCore::colors; the index of dtSetColor/tmSetColor maps onto them.
enum ColorSlot {
    kBackgroundColor,
    kTextColor,
    kHighlightColor,
    kShadowColor,
    kFaceColor,
    kButtonFaceColor,
    kColorSlotCount
};

enum StripKind { kNormalStrip, kSelectedStrip, kDisabledStrip, kStripCount };

struct FontMetrics {
    WORD height;  // character height
    WORD ascent;
    WORD leading;    // internal leading
    WORD maxWidth;   // widest character
    WORD cellWidth;  // widest character an edit shows (digits, separators, designators)
};

// One field of the edit text: characters [start, end).
struct FieldSpan {
    int start;
    int end;
};
constexpr int kMaxFields = 4;

struct EditCore;

// What each edit control supplies to the shared machinery.
struct EditBehavior {
    // Splits the edit text into its fields; returns the count (at most kMaxFields).
    int (*splitFields)(const EditCore& core, FieldSpan* spans);
    // Handles one character as if keyed (paste, EM_REPLACESEL).
    void (*typeChar)(EditCore& core, char c);
    // Deletes as the Delete key does (WM_CLEAR, cut).
    void (*deleteAtCaret)(EditCore& core);
    // Rebuilds the edit text from the value (focused or unfocused form).
    void (*rebuildText)(EditCore& core);
    // Parses the edit text back into the value (WM_SETTEXT).
    void (*parseText)(EditCore& core);
    // Rebuilds the display string from the value.
    void (*refreshDisplay)(EditCore& core);
};

struct EditCore {
    HWND hwnd;  // the control's window
    const EditBehavior* behavior;
    WORD selStart;      // selection start (character index)
    WORD selEnd;        // selection end; equal to selStart when nothing is selected
    WORD caret;         // caret position (character index)
    WORD firstVisible;  // first character shown (horizontal scroll)
    BOOL hasFocus;
    BOOL tracking;    // left button held down in the control
    BOOL cursorSet;   // WM_SETCURSOR showed the I-beam
    HFONT font;       // WM_SETFONT's font; the stock system font at first
    char* text;       // the 64-byte edit-text block
    WORD digitStyle;  // DigitStyle
    FontMetrics metrics;
    BOOL modified;  // EM_GETMODIFY / EM_SETMODIFY
    BOOL disabled;  // WS_DISABLED at creation
    BOOL caretShown;
    BOOL readOnly;
    BOOL isNull;      // the control holds no value
    WORD digitWidth;  // one bitmap digit cell
    WORD digitHeight;
    HBITMAP strips[kStripCount];
    int stripSize;     // 0..3: which of the four strip sizes is loaded; -1 none
    int currentField;  // index of the field the caret is in (0-based position)
    DWORD colors[kColorSlotCount];
    DWORD borderKind;   // 0..3
    int rightReserve;   // pixels at the right kept out of the text area (button)
    char display[32];   // the display string
    int stateWord;      // window word holding the state (set by CreateEditState)
    WORD alignment;     // 0 left, 1 centred, 2 right (the numeric edit; the others stay left)
    const char* shown;  // text painted instead of the edit text; null paints the edit text
};

constexpr int kEditTextCapacity = 64;
constexpr int kTextLeftInset = 4;

// The shared part of an edit's state; null for no state (as the exported functions fetch it).
template <class State>
EditCore* CoreOf(State* state) {
    return state ? &state->core : nullptr;
}

inline int TextLength(const EditCore& core) { return static_cast<int>(lstrlenA(core.text)); }
// What the control paints: the edit text, or the form the control shows in its place.
inline const char* ShownText(const EditCore& core) { return core.shown ? core.shown : core.text; }
inline int ShownLength(const EditCore& core) { return static_cast<int>(lstrlenA(ShownText(core))); }
inline bool HasSelection(const EditCore& core) { return core.selStart != core.selEnd; }

}  // namespace tw
