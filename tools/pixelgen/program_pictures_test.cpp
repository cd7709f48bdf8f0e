#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tools/pixelgen/program_clock_pictures.h"
#include "tools/pixelgen/program_icons.h"
#include "tools/pixelgen/program_palette.h"
#include "tools/pixelgen/program_pictures.h"
#include "tools/pixelgen/program_toolbars.h"
#include "tools/pixelgen/button_face.h"

namespace tw::pixelgen {
namespace {

constexpr ClockState kAllStates[] = {ClockState::Idle, ClockState::Running, ClockState::Paused};

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

std::vector<Rgb> CellPixels(const Image& strip, int index, int width) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(strip.At(index * width + x, y));
    return pixels;
}

// How many opaque-enough pixels read as clearly green, and as clearly amber.
struct Hues {
    int green = 0;
    int amber = 0;
};

Hues HuesOf(const Image& img) {
    Hues hues;
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            if (img.AlphaAt(x, y) < 128) continue;
            const Rgb c = img.At(x, y);
            const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
            if (g > r + 40 && g > b + 40) ++hues.green;
            if (r > 180 && g >= 110 && g <= 215 && b < 110 && r > g + 30) ++hues.amber;
        }
    }
    return hues;
}

// Every state's picture carries its colour: green when running, amber when paused, neither of
// them when idle, and the states' pictures all differ.
void ExpectStateColours(Image (*build)(ClockState), const char* what) {
    std::set<std::vector<Rgb>> looks;
    for (ClockState state : kAllStates) {
        const Image img = build(state);
        const Hues hues = HuesOf(img);
        const int some = img.Width() * img.Height() / 20;
        switch (state) {
            case ClockState::Running:
                EXPECT_GT(hues.green, some) << what;
                EXPECT_EQ(0, hues.amber) << what;
                break;
            case ClockState::Paused:
                EXPECT_GT(hues.amber, some) << what;
                EXPECT_EQ(0, hues.green) << what;
                break;
            case ClockState::Idle:
                EXPECT_EQ(0, hues.green) << what;
                EXPECT_EQ(0, hues.amber) << what;
                break;
        }
        looks.insert(CellPixels(img, 0, img.Width()));
    }
    EXPECT_EQ(3u, looks.size()) << what;
}

Image LargeStateIcon(ClockState state) { return BuildClockStateIcon(kLargeIconSize, state); }
Image SmallStateIcon(ClockState state) { return BuildClockStateIcon(kSmallIconSize, state); }

TEST(ProgramPictures, TheArtFolderHoldsTheFilesTheResourceScriptsName) {
    std::set<std::string> names;
    for (const ArtFile& file : ProgramPictures()) {
        EXPECT_FALSE(file.bytes.empty()) << file.fileName;
        names.insert(file.fileName);
    }
    const std::set<std::string> expected{
        "main_toolbar.bmp",   "child_toolbar.bmp", "tallywick.ico",    "document.ico",
        "clock_idle.ico",     "clock_running.ico", "clock_paused.ico", "status_idle.bmp",
        "status_running.bmp", "status_paused.bmp", "check_idle.bmp",   "check_running.bmp",
        "check_paused.bmp"};
    EXPECT_EQ(expected, names);
}

TEST(ProgramPictures, FilesHaveTheSizesTheProgramShowsThemAt) {
    struct Size {
        int width, height;
    };
    const std::vector<std::pair<std::string, Size>> bitmaps{
        {"main_toolbar.bmp", {144, 15}}, {"child_toolbar.bmp", {286, 22}},
        {"status_idle.bmp", {40, 40}},   {"status_paused.bmp", {40, 40}},
        {"check_running.bmp", {13, 13}}, {"check_idle.bmp", {13, 13}}};
    const std::vector<ArtFile> files = ProgramPictures();
    for (const auto& [name, size] : bitmaps) {
        for (const ArtFile& file : files) {
            if (file.fileName != name) continue;
            ASSERT_GT(file.bytes.size(), 54u);
            EXPECT_EQ('B', file.bytes[0]);
            EXPECT_EQ(uint32_t(size.width), Read32(file.bytes, 18)) << name;
            EXPECT_EQ(uint32_t(size.height), Read32(file.bytes, 22)) << name;
            EXPECT_EQ(8, file.bytes[28])
                << name << ": palettized, so loaders can map the face grey";
        }
    }
    for (const ArtFile& file : files) {
        if (file.fileName.find(".ico") == std::string::npos) continue;
        ASSERT_GT(file.bytes.size(), 6u + 2 * 16);
        EXPECT_EQ(2, file.bytes[4]) << file.fileName;
        EXPECT_EQ(32, file.bytes[6]) << file.fileName;
        EXPECT_EQ(16, file.bytes[6 + 16]) << file.fileName;
    }
}

TEST(ProgramToolBars, StripsHoldOneDistinctDrawnImagePerButton) {
    struct Strip {
        Image image;
        int cellWidth, cellHeight, cells;
    };
    const Strip strips[] = {
        {BuildMainToolBar(), kMainToolBarImageWidth, kMainToolBarImageHeight, kMainToolBarImages},
        {BuildChildToolBar(), kChildToolBarImageSize, kChildToolBarImageSize, kChildToolBarImages}};
    EXPECT_EQ(9, kMainToolBarImages);
    EXPECT_EQ(13, kChildToolBarImages);
    for (const Strip& s : strips) {
        ASSERT_EQ(s.cellWidth * s.cells, s.image.Width());
        ASSERT_EQ(s.cellHeight, s.image.Height());
        std::set<std::vector<Rgb>> distinct;
        for (int i = 0; i < s.cells; ++i) {
            const std::vector<Rgb> pixels = CellPixels(s.image, i, s.cellWidth);
            int drawn = 0;
            for (Rgb p : pixels) drawn += p != colours::kButtonFace;
            const int area = int(pixels.size());
            EXPECT_GT(drawn, area / 5) << "image " << i << " is nearly empty";
            EXPECT_LT(drawn, area * 19 / 20) << "image " << i << " leaves no background";
            distinct.insert(pixels);
        }
        EXPECT_EQ(size_t(s.cells), distinct.size());
        for (int y = 0; y < s.image.Height(); ++y)
            for (int x = 0; x < s.image.Width(); ++x) {
                const Rgb p = s.image.At(x, y);
                EXPECT_TRUE(p == colours::kButtonFace || !IsReservedFaceColour(p)) << x << "," << y;
            }
    }
}

TEST(ProgramToolBars, TheTransparentColourIsExactlyWhereNothingWasDrawn) {
    Image cell = Image::Transparent(4, 1);
    cell.Set(0, 0, colours::kButtonFace);       // drawn in the face colour itself
    cell.Blend(1, 0, 0x000000, 85);             // one third black over the face: 128 grey
    cell.Blend(2, 0, MakeRgb(255, 0, 0), 255);  // plain red
    const Image strip = LayOnButtonFace({cell, Image::Transparent(4, 1)});
    ASSERT_EQ(8, strip.Width());
    EXPECT_NE(colours::kButtonFace, strip.At(0, 0)) << "a drawn pixel must not turn transparent";
    EXPECT_FALSE(IsReservedFaceColour(strip.At(0, 0)));
    EXPECT_FALSE(IsReservedFaceColour(strip.At(1, 0)));
    EXPECT_EQ(MakeRgb(255, 0, 0), strip.At(2, 0));
    EXPECT_EQ(colours::kButtonFace, strip.At(3, 0));
    for (int x = 4; x < 8; ++x) EXPECT_EQ(colours::kButtonFace, strip.At(x, 0));
    EXPECT_EQ(0, LayOnButtonFace({}).Width());
}

TEST(ProgramClockPictures, EachStateShowsItsColour) {
    ExpectStateColours(BuildStatusPicture, "status");
    ExpectStateColours(BuildCheckPicture, "check");
    ExpectStateColours(LargeStateIcon, "large icon");
    ExpectStateColours(SmallStateIcon, "small icon");
}

TEST(ProgramClockPictures, BackgroundsAndCentredCheckMarks) {
    for (ClockState state : kAllStates) {
        const Image status = BuildStatusPicture(state);
        ASSERT_EQ(kStatusPictureSize, status.Width());
        ASSERT_EQ(kStatusPictureSize, status.Height());
        EXPECT_EQ(colours::kButtonFace, status.At(0, 0));
        EXPECT_EQ(colours::kButtonFace, status.At(39, 0));
        EXPECT_EQ(colours::kButtonFace, status.At(0, 39));

        const Image check = BuildCheckPicture(state);
        ASSERT_EQ(kCheckPictureSize, check.Width());
        int left = 99, right = -1, top = 99, bottom = -1;
        for (int y = 0; y < check.Height(); ++y)
            for (int x = 0; x < check.Width(); ++x) {
                if (check.At(x, y) == colours::kWhite) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        EXPECT_GE(left, 1);
        EXPECT_EQ(12 - bottom, top) << "vertically centred";
        EXPECT_LE(std::abs((12 - right) - left), 1) << "horizontally centred";
        EXPECT_GE(right - left, 6) << "large enough to see";
    }
}

TEST(ProgramIcons, IconsStandOnATransparentGround) {
    for (int size : {kLargeIconSize, kSmallIconSize}) {
        std::vector<Image> icons{BuildProgramIcon(size), BuildDocumentIcon(size)};
        for (ClockState state : kAllStates) icons.push_back(BuildClockStateIcon(size, state));
        for (const Image& icon : icons) {
            ASSERT_EQ(size, icon.Width());
            ASSERT_EQ(size, icon.Height());
            EXPECT_EQ(0, icon.AlphaAt(0, size - 1)) << size;
            EXPECT_EQ(0, icon.AlphaAt(size - 1, 0)) << size;
            EXPECT_EQ(255, icon.AlphaAt(size / 2, size / 2)) << size;
        }
        EXPECT_EQ(2u, IconSizes(BuildDocumentIcon).size());
    }
}

}  // namespace
}  // namespace tw::pixelgen
