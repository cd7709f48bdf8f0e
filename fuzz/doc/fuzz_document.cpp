// Reads arbitrary bytes as a document file. A refused file must throw the archive's error
// and leave the document as it was; an accepted one must show every record's texts, total,
// and write and read back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>
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

// What the table shows of each record: item texts, durations, charge, dates and times.
void ShowRecords(const tw::CWorkmetrDoc& doc) {
    const tw::CDisplayFormats& formats = doc.Formats();
    std::string text;
    for (int i = 0; i < doc.GetRecordCount(); ++i) {
        const tw::CTimeRec& r = *doc.GetRecord(i);
        doc.GetItemDisplayText(0, r.GetProjectIndex(), text);
        doc.GetItemDisplayText(1, r.GetCategoryIndex(), text);
        doc.GetItemDisplayText(2, r.GetClientIndex(), text);
        formats.FormatDuration(r.GetElapsed(), false);
        formats.FormatDuration(r.GetPaused(), true);
        formats.FormatCharge(r.GetElapsed(), doc.EffectiveRate(r));
        formats.FormatMoney(r.GetExpense());
        formats.FormatDate(r.GetStart(), false);
        formats.FormatTimeOfDay(r.GetStop(), true);
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
    ShowRecords(doc);
    doc.TotalAllTime();
    doc.TotalMarkedTime();
    doc.TotalAllCharge();
    doc.TotalMarkedExpense();
    const std::vector<uint8_t> written = Write(doc);
    tw::CWorkmetrDoc back;
    if (!Read(back, written.data(), written.size()) || Write(back) != written) std::abort();
    return 0;
}
