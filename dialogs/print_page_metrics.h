#pragma once
// The measures of a printed page in device pixels: margins of half an inch, the line height and
// character width of the print font, and the printable area left after the page header (two
// lines at the top and two at the bottom) and the column names (two more at the top).

#include "doc/document_settings.h"

namespace tw {

// What the device and its print font tell.
struct PrintDevice {
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    int pageWidth = 0;   // pixels
    int pageHeight = 0;  // pixels
    int lineHeight = 0;  // the font's text height
    int charWidth = 0;   // the font's average character width
};

struct PageMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int leftMargin = 0;  // also the right margin
    int topMargin = 0;   // also the bottom margin
    int lineHeight = 1;
    int charWidth = 1;
    int charsPerLine = 0;
    // The printable area: where record lines go.
    int printLeft = 0, printTop = 0, printRight = 0, printBottom = 0;
    int linesPerPage = 1;  // never below one, so every page takes at least one line

    int PrintableWidth() const { return printRight - printLeft; }
};

// The metrics of `device` under `settings`. A font of zero height or width counts as one pixel.
PageMetrics ComputePageMetrics(const PrintDevice& device, const PrintSettings& settings);

}  // namespace tw
