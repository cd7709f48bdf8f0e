// pixelgen: writes the controls library's bitmaps with their resource script, and the program's
// pictures.
// Usage: pixelgen <library folder> [<folder prefix used inside bitmaps.rc> [<program folder>]]

#include <cstdio>
#include <string>

#include "tools/pixelgen/library_pictures.h"
#include "tools/pixelgen/program_pictures.h"

namespace {

bool WriteFile(const std::string& path, const void* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

bool WriteOrComplain(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!bytes.empty() && WriteFile(path, bytes.data(), bytes.size())) return true;
    std::fprintf(stderr, "pixelgen: cannot write %s\n", path.c_str());
    return false;
}

bool WriteLibraryPictures(const std::string& folder, const std::string& rcPrefix) {
    const auto pictures = tw::pixelgen::AllPictures();
    for (const auto& p : pictures)
        if (!WriteOrComplain(folder + p.fileName, p.bytes)) return false;
    const std::string script = tw::pixelgen::BitmapResourceScript(pictures, rcPrefix);
    return WriteOrComplain(folder + "bitmaps.rc", {script.begin(), script.end()});
}

bool WriteProgramPictures(const std::string& folder) {
    for (const auto& file : tw::pixelgen::ProgramPictures())
        if (!WriteOrComplain(folder + file.fileName, file.bytes)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: pixelgen <library folder> [<rc folder prefix> [<program folder>]]\n");
        return 2;
    }
    const std::string rcPrefix = argc > 2 ? argv[2] : "";
    if (!WriteLibraryPictures(std::string(argv[1]) + "/", rcPrefix)) return 1;
    if (argc > 3 && !WriteProgramPictures(std::string(argv[3]) + "/")) return 1;
    return 0;
}
