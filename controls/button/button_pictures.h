#pragma once
// What the button shows besides its caption: the picture sources (strip cell, client bitmap,
// icon, metafile), the colour swatch, the colours and the style switches.

#include "controls/button/button_state.h"

namespace tw {

enum class PictureSource { Bitmap, Icon, Metafile };

// Sets one source and clears the other two; 1.
LRESULT BTN_SetPictureSource(ButtonState& s, PictureSource source, HANDLE handle);
LRESULT BTN_GetPictureSource(const ButtonState& s, PictureSource source);
LRESULT BTN_SetPicture(ButtonState& s, DWORD index);
LRESULT BTN_SetColorCode(ButtonState& s, DWORD color);
// Index 0 highlight, 1 shadow, 2 face, 3 dark shadow, 4 text, 5 default frame, 64 the swatch;
// 1, or 0 for another index.
LRESULT BTN_SetColor(ButtonState& s, int index, DWORD color);
// A nonzero flag shows the swatch (or the picture) and hides the other; zero hides it. 1.
LRESULT BTN_EnableColorCode(ButtonState& s, bool enable);
LRESULT BTN_EnablePicture(ButtonState& s, bool enable);
// Ors `style` into the window style, first clearing the default, alternate-strip and
// auto-repeat bits unless the alternate strip is already set; repaints when asked. 1.
LRESULT BTN_SetStyle(ButtonState& s, DWORD style, bool redraw);
LRESULT BTN_SetPersistentState(ButtonState& s, bool persistent);

}  // namespace tw
