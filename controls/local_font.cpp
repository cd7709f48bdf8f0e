// CreateLocalFont: a font of a face and point size at the screen's resolution.

#include "controls/tarn32.h"

#include <cstring>

extern "C" HFONT WINAPI CreateLocalFont(LPCSTR faceName, short pointSize, LONG emphasis) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);

    LOGFONTA font = {};
    font.lfHeight = -MulDiv(pointSize * 20, dpi, 1440);
    font.lfWeight = emphasis ? 600 : FW_NORMAL;
    font.lfItalic = emphasis ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    if (faceName) strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&font);
}
