#include "doc/file_format_version.h"

namespace tw {

namespace {

struct VersionRow {
    const char* signature;
    const char* version;
};

// Indexed by version index.
const VersionRow kVersions[] = {
    {"Workmeter", "1.0.1"},         {"Workmeter", "1.0.2"},         {"Workmeter", "1.0.3"},
    {"Workmeter", "1.1.0"},         {"Workmeter", "1.2.0"},         {"Tallywick Lite", "2.0.0"},
    {"Tallywick Lite", "2.0.1"},    {"Tallywick Lite", "2.0.2"},    {"Tallywick Windows", "1.0.0"},
    {"Tallywick Windows", "1.0.1"}, {"Tallywick Windows", "1.1.0"}, {"Tallywick Windows", "1.1.1"},
    {"Tallywick Windows", "1.2.0"},
};
constexpr int kVersionCount = static_cast<int>(sizeof kVersions / sizeof kVersions[0]);

}  // namespace

int FileVersionIndex(const std::string& signature, const std::string& version) {
    for (int i = 0; i < kVersionCount; ++i)
        if (signature == kVersions[i].signature && version == kVersions[i].version) return i;
    return -1;
}

std::string FileSignatureOf(int versionIndex) {
    return versionIndex >= 0 && versionIndex < kVersionCount ? kVersions[versionIndex].signature
                                                             : "";
}

std::string FileVersionTextOf(int versionIndex) {
    return versionIndex >= 0 && versionIndex < kVersionCount ? kVersions[versionIndex].version : "";
}

}  // namespace tw
