// Sizes of the font selector (see fontsel_sizes.h).

#include "controls/fontsel/fontsel_sizes.h"

#include <cstdio>

#include "controls/fontsel/font_sizes.h"
#include "controls/fontsel/fontsel_families.h"

namespace tw {
namespace {

constexpr char kFallbackFace[] = "Arial";

// The internal leading of a bold font `height` high in the selected family (or Arial).
int InternalLeading(const FontSelState& s, int height) {
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    const int item = int(SendMessageA(FamilyList(s), CB_GETCURSEL, 0, 0));
    const FamilyRecord* family = FS_FamilyOfItem(s, item);
    CopyCut(lf.lfFaceName, sizeof lf.lfFaceName, family ? family->name : kFallbackFace);
    HFONT font = CreateFontIndirectA(&lf);
    if (!font) return 0;
    const int leading = ScreenFontMetrics(font).tmInternalLeading;
    DeleteObject(font);
    return leading;
}

}  // namespace

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void FS_FillSizes(FontSelState& s) {
    HWND list = SizeList(s);
    for (int points : kFontSizeTable) {
        char text[16];
        std::snprintf(text, sizeof text, "%3i", points);
        const LRESULT item = SendMessageA(list, CB_ADDSTRING, 0, LPARAM(text));
        if (item >= 0) SendMessageA(list, CB_SETITEMDATA, WPARAM(item), LPARAM(points));
    }
    SendMessageA(list, CB_SETCURSEL, kDefaultSizeIndex, 0);
}

LRESULT FS_SetFontPointSize(FontSelState& s, int points) {
    SendMessageA(SizeList(s), CB_SETCURSEL, WPARAM(NearestSizeIndex(points)), 0);
    return 1;
}

LRESULT FS_GetFontPointSize(const FontSelState& s) {
    HWND list = SizeList(s);
    const LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (item < 0) return kDefaultPointSize;
    const LRESULT points = SendMessageA(list, CB_GETITEMDATA, WPARAM(item), 0);
    return points == CB_ERR ? kDefaultPointSize : points;
}

LRESULT FS_SetFontSize(FontSelState& s, int height) {
    const int charHeight = height > 0 ? height - InternalLeading(s, height) : height;
    return FS_SetFontPointSize(s, PointsFromCharHeight(charHeight, ScreenDpiY()));
}

LRESULT FS_GetFontSize(const FontSelState& s) {
    return FontHeightFromPoints(int(FS_GetFontPointSize(s)), ScreenDpiY());
}

}  // namespace tw
