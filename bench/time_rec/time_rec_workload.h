#pragma once
// The workloads both benchmark harnesses time.

#include <cstdint>
#include <memory>
#include <vector>

#include "doc/time_rec.h"

namespace tw {

using RecordList = std::vector<std::unique_ptr<CTimeRec>>;

// `count` records with varied times and notes.
RecordList MakeRecords(int count);

// The bodies of all records, as a document file stores them.
std::vector<uint8_t> StoreRecords(RecordList& records);

// Reads `count` bodies back (current layout) into new records made by class name.
RecordList LoadRecords(const std::vector<uint8_t>& bytes, int count);

}  // namespace tw
