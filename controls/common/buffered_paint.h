#pragma once
// WM_PAINT for the controls that draw their whole client area at once, directly or
// double-buffered: the drawing goes to a memory bitmap of the client size, which is then copied
// onto the target in one go.

#include <windows.h>

#include <functional>

namespace tw {

// Draws the client area into (dc, client).
using ClientDrawing = std::function<void(HDC dc, const RECT& client)>;

// WM_PAINT: runs `draw` on the paint DC between BeginPaint and EndPaint.
LRESULT PaintClient(HWND hwnd, const std::function<void(HDC dc)>& draw);

// Runs `draw` on a memory bitmap of `hwnd`'s client size and copies it onto `target`; draws
// straight onto `target` when the bitmap cannot be made.
void DrawBuffered(HWND hwnd, HDC target, const ClientDrawing& draw);

// WM_PAINT: DrawBuffered between BeginPaint and EndPaint.
LRESULT PaintBuffered(HWND hwnd, const ClientDrawing& draw);

}  // namespace tw
