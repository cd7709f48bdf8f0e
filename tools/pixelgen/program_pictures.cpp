#include "tools/pixelgen/program_pictures.h"

#include "tools/pixelgen/bmp_writer.h"
#include "tools/pixelgen/ico_writer.h"
#include "tools/pixelgen/program_clock_pictures.h"
#include "tools/pixelgen/program_icons.h"
#include "tools/pixelgen/program_toolbars.h"

namespace tw::pixelgen {

namespace {

struct StateFiles {
    ClockState state;
    const char* suffix;
};

constexpr StateFiles kStates[] = {
    {ClockState::Idle, "idle"}, {ClockState::Running, "running"}, {ClockState::Paused, "paused"}};

}  // namespace

std::vector<ArtFile> ProgramPictures() {
    std::vector<ArtFile> files;
    files.push_back({"main_toolbar.bmp", EncodeBmp24(BuildMainToolBar())});
    files.push_back({"child_toolbar.bmp", EncodeBmp24(BuildChildToolBar())});
    files.push_back({"tallywick.ico", EncodeIco(IconSizes(BuildProgramIcon))});
    files.push_back({"document.ico", EncodeIco(IconSizes(BuildDocumentIcon))});
    for (const StateFiles& s : kStates) {
        files.push_back({"clock_" + std::string(s.suffix) + ".ico",
                         EncodeIco({BuildClockStateIcon(kLargeIconSize, s.state),
                                    BuildClockStateIcon(kSmallIconSize, s.state)})});
        const std::string suffix = std::string(s.suffix) + ".bmp";
        files.push_back({"status_" + suffix, EncodeBmp24(BuildStatusPicture(s.state))});
        files.push_back({"check_" + suffix, EncodeBmp24(BuildCheckPicture(s.state))});
    }
    return files;
}

}  // namespace tw::pixelgen
