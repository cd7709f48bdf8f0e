// seedgen: writes the seed corpora of the text fuzz targets under a fuzz folder.
//   seedgen <fuzz dir>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/seeds/text_seeds.h"

namespace {

bool WriteCorpus(const std::filesystem::path& folder, const std::vector<tw::seeds::Seed>& seeds) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const tw::seeds::Seed& seed : seeds) {
        const std::string path = (folder / seed.name).string();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) return false;
        const bool written =
            std::fwrite(seed.bytes.data(), 1, seed.bytes.size(), f) == seed.bytes.size();
        if (std::fclose(f) != 0 || !written) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: seedgen FUZZ_DIR\n");
        return 1;
    }
    const std::filesystem::path root = argv[1];
    const bool ok =
        WriteCorpus(root / "formats/corpus/format_texts", tw::seeds::FormatTextSeeds()) &&
        WriteCorpus(root / "grid/corpus/cell_parse", tw::seeds::CellParseSeeds()) &&
        WriteCorpus(root / "controls/corpus/short_date", tw::seeds::ShortDateSeeds());
    if (!ok) std::fprintf(stderr, "seedgen: cannot write the seeds under %s\n", argv[1]);
    return ok ? 0 : 1;
}
