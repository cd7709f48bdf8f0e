#pragma once
// The bitmaps of the controls library: what each picture looks like, its resource id and its
// file name, and the resource script that names them all.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/pixelgen/image.h"

namespace tw::pixelgen {

constexpr int kDropDownButtonId = 810;
constexpr int kDropDownButtonSize = 16;

enum class StripKind { Normal, Selected, Disabled };

// One digit strip: every character of kDigitStripChars in a cell of size `sizeIndex` (0..3).
Image BuildDigitStrip(int sizeIndex, StripKind kind);

// The drop-down button face: a raised 3-D button with a combo-box arrow.
Image BuildDropDownButton();

struct Picture {
    int resourceId;
    std::string fileName;        // e.g. "digits_901.bmp"
    std::vector<uint8_t> bytes;  // the encoded BMP file
};

// Every picture of the library, encoded.
std::vector<Picture> AllPictures();

// The resource script with one BITMAP statement per picture; `folder` prefixes each file name.
std::string BitmapResourceScript(const std::vector<Picture>& pictures, const std::string& folder);

}  // namespace tw::pixelgen
