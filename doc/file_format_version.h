#pragma once
// The signature and version strings at the start of a document file and the version index
// they select: 0-2 "Workmeter" 1.0.x, 3-4 "Workmeter" 1.1.0/1.2.0, 5-7 "Tallywick Lite" 2.0.x,
// 8-9 "Tallywick Windows" 1.0.x, 10-11 1.1.x, 12 the current layout 1.2.0.

#include <string>

namespace tw {

constexpr int kCurrentFileVersion = 12;
constexpr const char* kCurrentSignature = "Tallywick Windows";
constexpr const char* kCurrentVersionText = "1.2.0";

// The version index of a header, or -1 when the pair is not one the program reads.
// Both strings are compared exactly.
int FileVersionIndex(const std::string& signature, const std::string& version);

// The header strings of a version index (0..12); empty for any other index.
std::string FileSignatureOf(int versionIndex);
std::string FileVersionTextOf(int versionIndex);

}  // namespace tw
