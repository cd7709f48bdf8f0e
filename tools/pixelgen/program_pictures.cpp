#include "tools/pixelgen/program_pictures.h"

#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/colour_reduction.h"
#include "tools/pixelgen/ico_writer.h"
#include "tools/pixelgen/program_clock_pictures.h"
#include "tools/pixelgen/program_icons.h"
#include "tools/pixelgen/program_palette.h"
#include "tools/pixelgen/program_toolbars.h"

namespace tw::pixelgen {

namespace {

struct StateFiles {
    ClockState state;
    const char* suffix;
};

constexpr StateFiles kStates[] = {
    {ClockState::Idle, "idle"}, {ClockState::Running, "running"}, {ClockState::Paused, "paused"}};

// 8 bits per pixel: loaders that map the classic greys to the current system colours
// (LR_LOADMAP3DCOLORS, CreateMappedBitmap) work on palettes only. The face grey and white stay
// exact, and no merged colour becomes one of the greys such a loader replaces.
std::vector<uint8_t> EncodePalettized(const Image& image) {
    return EncodeBmp8(ReduceColours(
        image, 256,
        {colours::kButtonFace, colours::kWhite, MakeRgb(128, 128, 128), MakeRgb(223, 223, 223)}));
}

}  // namespace

std::vector<ArtFile> ProgramPictures() {
    std::vector<ArtFile> files;
    files.push_back({"main_toolbar.bmp", EncodePalettized(BuildMainToolBar())});
    files.push_back({"child_toolbar.bmp", EncodePalettized(BuildChildToolBar())});
    files.push_back({"tallywick.ico", EncodeIco(IconSizes(BuildProgramIcon))});
    files.push_back({"document.ico", EncodeIco(IconSizes(BuildDocumentIcon))});
    for (const StateFiles& s : kStates) {
        files.push_back({"clock_" + std::string(s.suffix) + ".ico",
                         EncodeIco({BuildClockStateIcon(kLargeIconSize, s.state),
                                    BuildClockStateIcon(kSmallIconSize, s.state)})});
        const std::string suffix = std::string(s.suffix) + ".bmp";
        files.push_back({"status_" + suffix, EncodePalettized(BuildStatusPicture(s.state))});
        files.push_back({"check_" + suffix, EncodePalettized(BuildCheckPicture(s.state))});
    }
    return files;
}

}  // namespace tw::pixelgen
