#pragma once
// Painting of the edit controls: double buffering, the colours a paint uses, the text in the
// three display styles with its selection.

#include "controls/common/edit_core.h"

namespace tw {

using ClientPainter = void (*)(EditCore& core, HDC dc, const RECT& client);

struct PaintColors {
    HBRUSH background;    // fills the client area
    bool ownsBackground;  // the brush is to be deleted after the paint
    COLORREF backgroundColor;
    COLORREF textColor;
};

// The colours of this paint: outside the bitmap style the parent is asked first
// (WM_CTLCOLOREDIT); its brush and background are used only while the control's background
// is a system colour value, its text colour only while the control's text colour is one.
PaintColors ChoosePaintColors(const EditCore& core, HDC dc);
void ReleasePaintColors(PaintColors& colors);

// Draws the edit text, with the selection while focused, into the text area.
void DrawEditText(const EditCore& core, HDC dc, const PaintColors& colors);

// The whole client area of an edit without extras: background, own border, text.
void PaintEditBody(EditCore& core, HDC dc, const RECT& client);

// Paints `draw` into a memory bitmap of the client size and copies it onto `target`.
void PaintDoubleBuffered(EditCore& core, HDC target, ClientPainter draw);

// WM_PAINT: paints the update through `draw`, double-buffered.
LRESULT EDIT_Paint(EditCore& core, ClientPainter draw);
// WM_PRINTCLIENT: paints through `draw` into the caller's `dc`, double-buffered.
LRESULT EDIT_PrintClient(EditCore& core, HDC dc, ClientPainter draw);

}  // namespace tw
