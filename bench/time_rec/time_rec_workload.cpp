#include "time_rec_workload.h"

#include "framework/archive.h"
#include "framework/archive_streams.h"

namespace tw {

RecordList MakeRecords(int count) {
    RecordList records;
    records.reserve(static_cast<size_t>(count));
    const CalTime base = 1700000000;
    for (int i = 0; i < count; ++i) {
        auto rec = std::make_unique<CTimeRec>();
        TimeRecValues v;
        v.start = base + i * 600;
        v.stop = v.start + 540;
        v.elapsed = 480;
        v.paused = 60;
        v.notes = (i % 4 == 0) ? "meeting with the client about the next release" : "";
        v.projectIndex = i % 7;
        v.ownRate = (i % 3 == 0) ? 42.5f : -1.0f;
        rec->SetAll(v);
        records.push_back(std::move(rec));
    }
    return records;
}

std::vector<uint8_t> StoreRecords(RecordList& records) {
    MemorySink sink;
    {
        CArchive ar(sink);
        for (auto& rec : records) rec->Serialize(ar);
        ar.Flush();
    }
    return sink.Bytes();
}

RecordList LoadRecords(const std::vector<uint8_t>& bytes, int count) {
    MemorySource source(bytes);
    CArchive ar(source);
    RecordList records;
    records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CObject> obj = ClassRegistry::Create("CTimeRec");
        obj->Serialize(ar);
        records.emplace_back(static_cast<CTimeRec*>(obj.release()));
    }
    return records;
}

}  // namespace tw
