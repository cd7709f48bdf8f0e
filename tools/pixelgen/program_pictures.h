#pragma once
// Every picture of the program tallyw.exe, encoded as the files its resource scripts read from
// app/res/art/.

#include <cstdint>
#include <string>
#include <vector>

namespace tw::pixelgen {

struct ArtFile {
    std::string fileName;        // e.g. "main_toolbar.bmp"
    std::vector<uint8_t> bytes;  // the encoded BMP or ICO file
};

std::vector<ArtFile> ProgramPictures();

}  // namespace tw::pixelgen
