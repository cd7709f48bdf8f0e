#pragma once
// How the numeric edit's text changes: by a setter (programmatic) or by the user (typing,
// deleting, spinning), the form painted in its place, and the typing rules' view of it.

#include <string>

#include "controls/numedit/numedit_state.h"

namespace tw {

// The edit text with its selection and caret.
NumberEditBuffer BufferOf(const NumEditState& s);

// True while `hwnd` still holds `s`: a parent may destroy the control while it handles a
// notification.
bool NumEditAlive(HWND hwnd, const NumEditState* s);

// Sets the form painted instead of the edit text: a blank while null; unfocused, the display
// form of the formatted style or the integer of the bitmap digits; else the edit text itself.
void RefreshShownText(NumEditState& s);

// A setter's text: cut at the limit (EN_ERRSPACE to the parent), non-null, unmodified,
// selection reset, repainted unless style bit 0x8000 is set, then the change hook. False when
// the parent destroyed the control on EN_ERRSPACE.
bool StoreProgrammaticText(NumEditState& s, std::string text);

// A user edit's result: the buffer's text and caret taken, EN_ERRSPACE when `cutAtLimit`,
// modified, non-null, then EN_UPDATE, a repaint and EN_CHANGE. False when the control was
// destroyed meanwhile.
bool StoreUserText(NumEditState& s, const NumberEditBuffer& buffer, bool cutAtLimit);

// The edit text brought to the current format, decimals and decimal separator after a change
// of them; the text was written with `oldDecimalSep`. A null or non-number text stays; a text
// cut at the limit is reported by EN_ERRSPACE. False when the parent destroyed the control.
bool ReformatEditText(NumEditState& s, char oldDecimalSep);

}  // namespace tw
