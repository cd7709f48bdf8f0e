#pragma once
// The numeric edit's picture: the arrows of its spin buttons (resource 700).

#include <vector>

#include "tools/pixelgen/image.h"
#include "tools/pixelgen/library_pictures.h"

namespace tw::pixelgen {

constexpr int kSpinArrowsId = 700;
constexpr int kSpinArrowCellWidth = 9;
constexpr int kSpinArrowCellHeight = 6;
constexpr int kSpinArrowCells = 4;  // up, down, up greyed, down greyed

// Four cells side by side: black arrows, then grey ones, on white. The control draws them by
// AND onto the button face, so the white lets the face show through.
Image BuildSpinArrows();

// Appends the numeric edit's pictures.
void AddNumEditPictures(std::vector<Picture>& pictures);

}  // namespace tw::pixelgen
