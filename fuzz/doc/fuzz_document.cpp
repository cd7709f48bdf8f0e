// Reads arbitrary bytes as a document file. A refused file must throw the archive's error
// and leave the document as it was; an accepted one must write and read back unchanged.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "doc/document.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"
#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace {

std::vector<uint8_t> Write(tw::CWorkmetrDoc& doc) {
    tw::MemorySink sink;
    {
        tw::CArchive ar(sink);
        ar.SetDocument(&doc);
        doc.Serialize(ar);
        ar.Flush();
    }
    return sink.Bytes();
}

bool Read(tw::CWorkmetrDoc& doc, const uint8_t* data, size_t size) {
    tw::MemorySource source(data, size);
    try {
        doc.ReadFrom(source);
        return true;
    } catch (const tw::CArchiveException&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tw::RecordingMessageBox messages;
    static tw::TestClock clock(1793610000);
    static tw::ScopedPlatform platform({&clock, &messages, tw::Platform().locale});
    messages.Clear();

    tw::CWorkmetrDoc doc;
    const std::vector<uint8_t> empty = Write(doc);
    if (!Read(doc, data, size)) {
        if (Write(doc) != empty) std::abort();  // a refused file changed the document
        return 0;
    }
    doc.TotalAllTime();
    doc.TotalAllCharge();
    const std::vector<uint8_t> written = Write(doc);
    tw::CWorkmetrDoc back;
    if (!Read(back, written.data(), written.size()) || Write(back) != written) std::abort();
    return 0;
}
