#pragma once
// The print font's rules: its description in the Print Preferences dialog ("Regular, 10 point"),
// the weight kept from the font chooser (bold or regular), and its height on a device.

#include <string>

namespace tw {

enum class FontStyle { kRegular, kBold, kItalic, kBoldItalic };

constexpr int kFontWeightRegular = 400;
constexpr int kFontWeightBold = 700;

// Bold is weight 700 exactly.
FontStyle FontStyleOf(int weight, bool italic);

// The style word followed by `pointFormat` (", %d point") with the size in whole points
// (tenths divided by 10, rounded down).
std::string FontDescription(const std::string& styleWord, const std::string& pointFormat,
                            int heightTenths);

// The weight stored from the font chooser: 700 stays bold, any other weight is regular.
int StoredFontWeight(int chosenWeight);

// a * b / c rounded half away from zero, as the platform's multiply-divide; -1 when c is 0.
int MulDivRounded(int a, int b, int c);

// The logical height of the print font on a device of `pixelsPerInchY`: minus the whole points
// in device pixels.
int PrintFontHeight(int heightTenths, int pixelsPerInchY);

// The height the font chooser starts from on the screen.
int ChooserFontHeight(int heightTenths, int pixelsPerInchY);

}  // namespace tw
