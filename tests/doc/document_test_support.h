#pragma once
// Shared pieces of the document tests: a fixture with a test clock and a recording message
// box, and helpers that write a document to bytes and read it back.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "doc/document.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"
#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace tw::testing {

constexpr CalTime kMonday9am = 1793610000;  // 2026-11-02 09:00:00 UTC

inline std::vector<uint8_t> WriteToBytes(CWorkmetrDoc& doc) {
    MemorySink sink;
    {
        CArchive ar(sink);
        ar.SetDocument(&doc);
        doc.Serialize(ar);
        ar.Flush();
    }
    return sink.Bytes();
}

// Reads `bytes` into `doc`; false (with the archive's error in `why`) when refused.
inline bool ReadFromBytes(CWorkmetrDoc& doc, const std::vector<uint8_t>& bytes,
                          std::string* why = nullptr) {
    MemorySource source(bytes);
    try {
        doc.ReadFrom(source);
        return true;
    } catch (const CArchiveException& e) {
        if (why != nullptr) *why = e.what();
        return false;
    }
}

// A file of the repository (samples, corpus), found from this source file's place.
inline std::string RepoFile(const std::string& relative) {
    std::string here = __FILE__;
    const size_t tests = here.rfind("/tests/");
    return here.substr(0, tests + 1) + relative;
}

inline std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    uint8_t buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return bytes;
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : platform_({&clock, &messages, Platform().locale}) {}

    TestClock clock{kMonday9am};
    RecordingMessageBox messages;

private:
    ScopedPlatform platform_;
};

}  // namespace tw::testing
