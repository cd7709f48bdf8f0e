// The bitmaps the controls library carries: present under their ids, with the sizes the edits
// cut their digit cells from.

#include <gtest/gtest.h>

#include <windows.h>

#include "controls/res/digit_strips.h"

namespace tw::test {
namespace {

SIZE BitmapSize(HMODULE module, int id) {
    SIZE size = {0, 0};
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) return size;
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    size.cx = info.bmWidth;
    size.cy = info.bmHeight;
    DeleteObject(bitmap);
    return size;
}

TEST(LibraryPictures, DigitStripsAndButtonFace) {
    HMODULE module = LoadLibraryA("tarn32.dll");
    ASSERT_NE(nullptr, module);
    // Nineteen cells of 7 x 13, 10 x 19, 12 x 22 and 14 x 26 pixels.
    const SIZE strips[4] = {{133, 13}, {190, 19}, {228, 22}, {266, 26}};
    for (int base : {901, 911, 921}) {
        for (int n = 0; n < 4; ++n) {
            SIZE size = BitmapSize(module, base + n);
            EXPECT_EQ(strips[n].cx, size.cx) << base + n;
            EXPECT_EQ(strips[n].cy, size.cy) << base + n;
        }
    }
    SIZE button = BitmapSize(module, 810);
    EXPECT_EQ(16, button.cx);
    EXPECT_EQ(16, button.cy);
    EXPECT_EQ(0, BitmapSize(module, 905).cx) << "no fifth size";
    EXPECT_EQ(DigitStripCell('7'), 7);
    EXPECT_EQ(DigitStripCell('p'), DigitStripCell('P'));
    EXPECT_EQ(DigitStripCell('?'), DigitStripCell(' '));
    FreeLibrary(module);
}

}  // namespace
}  // namespace tw::test
