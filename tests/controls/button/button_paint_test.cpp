// Pixels of painted buttons, read back through WM_PRINTCLIENT: frame, face, swatch, picture
// cells, client pictures, the disabled rendering and the focus rectangle.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/tarn32.h"
#include "tests/controls/control_test_support.h"

namespace tw::test {
namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 24;
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Every pixel of a button's client area as painted now.
class Pixels {
public:
    explicit Pixels(HWND hwnd, int height = kHeight) : height_(height), pixels_(kWidth * height) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, height);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageA(hwnd, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < kWidth; ++x) pixels_[y * kWidth + x] = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return pixels_[y * kWidth + x]; }
    // How many pixels of the box [x0, x1) x [y0, y1) have the colour.
    int Count(COLORREF colour, int x0 = 0, int y0 = 0, int x1 = kWidth, int y1 = -1) const {
        if (y1 < 0) y1 = height_;
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += At(x, y) == colour;
        return n;
    }

    // The first row that has the colour, or -1.
    int FirstRowWith(COLORREF colour) const {
        for (int y = 0; y < height_; ++y)
            if (Count(colour, 0, y, kWidth, y + 1)) return y;
        return -1;
    }

private:
    int height_;
    std::vector<COLORREF> pixels_;
};

// An 8 x 8 bitmap of one colour.
HBITMAP SolidBitmap(COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetBkColor(dc, colour);
    const RECT all = {0, 0, 8, 8};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

class ButtonPaint : public ::testing::Test {
protected:
    RecordingParent parent;
    HWND Make(DWORD style, const char* caption = "") {
        HWND b = parent.CreateChild("TarnButton32", style, 100, kWidth, kHeight);
        SetWindowTextA(b, caption);
        return b;
    }
};

TEST_F(ButtonPaint, FrameRaisedUpSunkenDownAndOutlinedWhenDefault) {
    HWND b = Make(0, "OK");
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Pixels up(b);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), up.At(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), up.At(kWidth - 1, kHeight - 1));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), up.At(kWidth - 2, kHeight - 2));
    EXPECT_EQ(face, up.At(3, 12));

    btnSetState(b, TRUE);
    Pixels down(b);
    EXPECT_EQ(RGB(0, 0, 0), down.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), down.At(kWidth - 1, kHeight - 1));

    btnSetColor(b, TBC_FACE, RGB(10, 200, 30));
    btnSetColor(b, TBC_HIGHLIGHT, RGB(250, 250, 0));
    Pixels recoloured(b);
    EXPECT_EQ(RGB(10, 200, 30), recoloured.At(3, 12));
    EXPECT_EQ(RGB(250, 250, 0), recoloured.At(kWidth - 1, kHeight - 1));

    HWND byDefault = Make(TBS_DEFAULT, "OK");
    btnSetColor(byDefault, TBC_DEFAULTFRAME, RGB(0, 0, 200));
    Pixels outlined(byDefault);
    EXPECT_EQ(RGB(0, 0, 200), outlined.At(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), outlined.At(1, 1));
}

TEST_F(ButtonPaint, ColourSwatchFillsTheButtonWithoutACaption) {
    HWND b = Make(0);
    btnEnableColorCode(b, TRUE);
    EXPECT_EQ(RGB(0, 0x80, 0), Pixels(b).At(40, 12)) << "0x8000 at creation";
    btnSetColorCode(b, RGB(255, 0, 0));
    Pixels red(b);
    EXPECT_EQ(RGB(255, 0, 0), red.At(40, 12));
    EXPECT_EQ(RGB(0, 0, 0), red.At(4, 4)) << "framed in the text colour";
    btnSetColor(b, TBC_COLORCODE, 0x10000000 | ~DWORD(COLOR_HIGHLIGHT));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), Pixels(b).At(40, 12)) << "a system colour value";
}

TEST_F(ButtonPaint, StripCellsLeaveOutTheirKeyColour) {
    HWND b = Make(TBS_PICTURE);
    btnSetPicture(b, TB_PIC_CROSS);
    Pixels cross(b);
    EXPECT_GT(cross.Count(RGB(0xC0, 0, 0)), 10) << "the red cross";
    EXPECT_EQ(0, cross.Count(kMagenta));

    HWND alternate = Make(TBS_PICTURE | TBS_ALTSTRIP);
    btnSetPicture(alternate, TB_PIC_CROSS);
    Pixels black(alternate);
    EXPECT_EQ(0, black.Count(RGB(0xC0, 0, 0)));
    EXPECT_GT(black.Count(RGB(0, 0, 0), 4, 4, kWidth - 4, kHeight - 4), 10) << "the black strip";

    btnSetPicture(b, 9999);
    Pixels none(b);
    EXPECT_EQ(0, none.Count(RGB(0xC0, 0, 0))) << "an index outside the strip shows nothing";
}

TEST_F(ButtonPaint, DisabledButtonIsGreyed) {
    HWND b = Make(TBS_PICTURE | WS_DISABLED, "Disabled");
    btnSetPicture(b, TB_PIC_CROSS);
    const int inner[4] = {4, 4, kWidth - 4, kHeight - 4};
    Pixels grey(b);
    EXPECT_EQ(0, grey.Count(RGB(0, 0, 0), inner[0], inner[1], inner[2], inner[3]))
        << "no black caption";
    EXPECT_EQ(0, grey.Count(RGB(0xC0, 0, 0)));
    EXPECT_GT(grey.Count(GetSysColor(COLOR_BTNSHADOW), inner[0], inner[1], inner[2], inner[3]), 10);

    EnableWindow(b, TRUE);
    Pixels enabled(b);
    EXPECT_GT(enabled.Count(RGB(0, 0, 0), inner[0], inner[1], inner[2], inner[3]), 10);
    EXPECT_GT(enabled.Count(RGB(0xC0, 0, 0)), 10);

    HWND alternate = Make(TBS_PICTURE | TBS_ALTSTRIP | WS_DISABLED);
    btnSetPicture(alternate, TB_PIC_PLUS);
    Pixels engraved(alternate);
    EXPECT_GT(engraved.Count(GetSysColor(COLOR_BTNSHADOW), inner[0], inner[1], inner[2], inner[3]),
              10)
        << "greyed without a disabled strip";
}

TEST_F(ButtonPaint, FocusRectangleOnlyWhileFocused) {
    HWND b = Make(0, "OK");
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(kWidth - 6, Pixels(b).Count(face, 3, 3, kWidth - 3, 4));
    SetFocus(b);
    EXPECT_LT(Pixels(b).Count(face, 3, 3, kWidth - 3, 4), kWidth - 6) << "dotted line";
}

TEST_F(ButtonPaint, ClientBitmapAndEnhancedMetafile) {
    HWND b = Make(TBS_PICTURE);
    HBITMAP bitmap = SolidBitmap(RGB(0, 0, 255));
    btnSetBitmap(b, bitmap);
    EXPECT_EQ(64, Pixels(b).Count(RGB(0, 0, 255))) << "8 x 8 blue pixels";

    const RECT frame = {0, 0, 1000, 1000};  // hundredths of a millimetre
    HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    const RECT big = {0, 0, 2000, 2000};
    FillRect(recorder, &big, blue);
    HENHMETAFILE picture = CloseEnhMetaFile(recorder);
    btnSetMetaFile(b, picture);
    EXPECT_GT(Pixels(b).Count(RGB(0, 0, 255)), 64) << "stretched over its box";
    DestroyWindow(b);
    DeleteEnhMetaFile(picture);
    DeleteObject(blue);
    DeleteObject(bitmap);
}

TEST_F(ButtonPaint, InADesignerThePictureTakesATopBandAndNoStripCell) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RwsWnd";  // the designer's class, in another case
    RegisterClassA(&wc);
    HWND designer = CreateWindowA("RwsWnd", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND host = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, designer,
                              nullptr, nullptr, nullptr);
    const int tall = 60;
    HWND placed = CreateWindowA("TarnButton32", "", WS_CHILD | WS_VISIBLE | TBS_PICTURE, 0, 0,
                                kWidth, tall, host, nullptr, nullptr, nullptr);
    HWND normal = parent.CreateChild("TarnButton32", TBS_PICTURE, 101, kWidth, tall);
    btnSetPicture(placed, TB_PIC_CROSS);
    btnSetPicture(normal, TB_PIC_CROSS);
    EXPECT_EQ(0, Pixels(placed, tall).Count(RGB(0xC0, 0, 0))) << "no strip cell in a designer";
    EXPECT_GT(Pixels(normal, tall).Count(RGB(0xC0, 0, 0)), 10);

    HBITMAP bitmap = SolidBitmap(RGB(0, 0, 255));
    btnSetBitmap(placed, bitmap);
    btnSetBitmap(normal, bitmap);
    EXPECT_EQ(4 + (20 - 8) / 2, Pixels(placed, tall).FirstRowWith(RGB(0, 0, 255)));
    EXPECT_EQ(4 + (tall - 8 - 8) / 2, Pixels(normal, tall).FirstRowWith(RGB(0, 0, 255)));
    DestroyWindow(designer);
    DeleteObject(bitmap);
}

TEST_F(ButtonPaint, VeryLongCaptionIsCut) {
    const std::string caption(400, 'w');
    HWND b = Make(0, caption.c_str());
    Pixels p(b);
    EXPECT_EQ(RGB(0, 0, 0), p.At(kWidth - 1, kHeight - 1)) << "painted without fault";
}

}  // namespace
}  // namespace tw::test
