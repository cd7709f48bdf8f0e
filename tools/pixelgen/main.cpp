// pixelgen: writes the controls library's bitmaps and their resource script.
// Usage: pixelgen <output folder> [<folder prefix used inside bitmaps.rc>]

#include <cstdio>
#include <string>

#include "tools/pixelgen/library_pictures.h"

namespace {

bool WriteFile(const std::string& path, const void* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pixelgen <output folder> [<rc folder prefix>]\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string rcPrefix = argc > 2 ? argv[2] : "";
    const auto pictures = tw::pixelgen::AllPictures();
    for (const auto& p : pictures) {
        if (p.bytes.empty() || !WriteFile(folder + p.fileName, p.bytes.data(), p.bytes.size())) {
            std::fprintf(stderr, "pixelgen: cannot write %s%s\n", folder.c_str(),
                         p.fileName.c_str());
            return 1;
        }
    }
    const std::string script = tw::pixelgen::BitmapResourceScript(pictures, rcPrefix);
    if (!WriteFile(folder + "bitmaps.rc", script.data(), script.size())) {
        std::fprintf(stderr, "pixelgen: cannot write %sbitmaps.rc\n", folder.c_str());
        return 1;
    }
    return 0;
}
