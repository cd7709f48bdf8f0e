#pragma once
// The image strips of the program's two tool bars, one image per button in the bars' order.

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

// Main window: New, Open, Save, Cut, Copy, Paste, Print, Compact/Restore all windows, Help.
constexpr int kMainToolBarImageWidth = 16;
constexpr int kMainToolBarImageHeight = 15;
constexpr int kMainToolBarImages = 9;
Image BuildMainToolBar();

// Document window: compact/restore this window, start/stop, pause/resume, edit time table row,
// print, export, general preferences, document preferences, mark special, delete rows, edit cell,
// help, and last the restart picture that the start/stop button shows while one row is selected.
constexpr int kChildToolBarImageSize = 22;
constexpr int kChildToolBarImages = 13;
Image BuildChildToolBar();

}  // namespace tw::pixelgen
