#pragma once
// The colours of the program's pictures: a Windows 2000 / XP era palette, lit from the top left.

#include "tools/pixelgen/image.h"

namespace tw::pixelgen::colours {

// The button face: the tool bars' transparent colour and the STATUS button's background.
constexpr Rgb kButtonFace = MakeRgb(192, 192, 192);

constexpr Rgb kInk = MakeRgb(0, 0, 0);
constexpr Rgb kDarkGrey = MakeRgb(72, 72, 72);
constexpr Rgb kMidGrey = MakeRgb(132, 132, 132);
constexpr Rgb kLightGrey = MakeRgb(214, 214, 214);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaperShade = MakeRgb(232, 232, 232);

constexpr Rgb kNavy = MakeRgb(0, 0, 128);
constexpr Rgb kBlue = MakeRgb(22, 80, 184);
constexpr Rgb kLightBlue = MakeRgb(110, 160, 232);
constexpr Rgb kTextLine = MakeRgb(96, 120, 168);

constexpr Rgb kFolder = MakeRgb(250, 212, 92);
constexpr Rgb kFolderLight = MakeRgb(255, 236, 160);
constexpr Rgb kFolderDark = MakeRgb(176, 124, 24);

constexpr Rgb kGreen = MakeRgb(40, 168, 56);
constexpr Rgb kLightGreen = MakeRgb(120, 216, 112);
constexpr Rgb kDarkGreen = MakeRgb(16, 96, 32);

constexpr Rgb kAmber = MakeRgb(240, 160, 16);
constexpr Rgb kLightAmber = MakeRgb(255, 208, 96);
constexpr Rgb kDarkAmber = MakeRgb(150, 88, 0);

constexpr Rgb kRed = MakeRgb(216, 32, 32);
constexpr Rgb kDarkRed = MakeRgb(128, 0, 0);

constexpr Rgb kMetal = MakeRgb(164, 170, 180);
constexpr Rgb kMetalLight = MakeRgb(232, 235, 240);
constexpr Rgb kMetalDark = MakeRgb(84, 90, 100);

constexpr Rgb kWood = MakeRgb(168, 112, 56);
constexpr Rgb kWoodDark = MakeRgb(104, 64, 24);

}  // namespace tw::pixelgen::colours
