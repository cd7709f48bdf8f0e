#pragma once
// Rules of Paste and Undelete: a copy's item indices translated by name into the target
// document, and where the copies go.

#include <cstddef>
#include <vector>

namespace tw {

class CTimeRec;
class CWorkmetrDoc;
class RecordCopies;

// Points the copy's project, category and client indices (in that order) at the items of
// `doc` with the names they have in the copied lists, adding an item the document lacks.
// False, with the copy partly translated, when an index is outside the copied list or an empty
// slot, or when an item could not be added.
bool TranslateItems(CTimeRec& copy, const RecordCopies& source, CWorkmetrDoc& doc);

// The position pasted records go before: the record of the selected row when exactly one row
// is selected, else -1 (appended).
int PasteBefore(long selectedRows, int firstSelectedRecord);

// The records Cut may delete: the first `copied` of the selected ones, those safely copied.
std::vector<int> CutRecords(const std::vector<int>& selected, size_t copied);

}  // namespace tw
