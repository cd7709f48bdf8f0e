// The grid's rows: fixed-size row records in pages of slots, addressed through an order table
// (row index -> slot), with per-row display attributes and an index of the key column. Pages
// keep a million rows from needing one block of hundreds of megabytes (and its copy on growth)
// in a 32-bit address space.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tw {
namespace grid {

struct RowAttributes {
    uint8_t selected = 0;
    uint16_t font = 0;    // 0: the normal font, else an id of the window's font table
    uint16_t height = 0;  // 0: the normal row height, else pixels
};

class RowStore {
public:
    // Empties the store and fixes the record size and the key field (-1: no key column).
    void Reset(int recordSize, int keyOffset);
    void Clear();
    int Count() const { return static_cast<int>(order_.size()); }
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    int RecordSize() const { return recordSize_; }

    const char* Record(int row) const { return SlotRecord(order_[row]); }
    RowAttributes& Attributes(int row) { return attributes_[order_[row]]; }
    const RowAttributes& Attributes(int row) const { return attributes_[order_[row]]; }

    // Inserts a copy of `record` at `row` (Count() appends) -> its index, -1 when out of range.
    int Insert(int row, const void* record);
    // Replaces the record of `row`; its attributes stay.
    bool Overwrite(int row, const void* record);
    bool Erase(int row);
    // Moves one row to a new index (as if erased and inserted there).
    void Move(int from, int to);
    // Rearranges the rows: newOrder[i] is the old index of the row that goes to index i.
    void Permute(const std::vector<int>& newOrder);

    // Stable identity of a row across moves: its slot, and the row that holds a slot (-1 when
    // the slot's row was erased).
    uint32_t SlotOf(int row) const { return order_[row]; }
    int RowOfSlot(uint32_t slot) const;

    // Row whose key field holds `key` (the lowest such row), or -1.
    int FindKey(int32_t key) const;

    // Rows grow in steps of this many records.
    void SetGrowStep(int rows);
    int GrowStep() const { return growStep_; }

    int SelectedCount() const { return selectedCount_; }
    // Changes the selected attribute and keeps the count; true when it changed.
    bool SetSelected(int row, bool on);

private:
    const char* SlotRecord(uint32_t slot) const {
        return pages_[slot / pageSlots_].get() + size_t(slot % pageSlots_) * recordSize_;
    }
    char* SlotRecord(uint32_t slot) {
        return pages_[slot / pageSlots_].get() + size_t(slot % pageSlots_) * recordSize_;
    }
    int32_t SlotKey(uint32_t slot) const;
    uint32_t NewSlot();
    void IndexKey(uint32_t slot);
    void UnindexKey(uint32_t slot);
    void RebuildRowOfSlot() const;

    int recordSize_ = 0;
    int keyOffset_ = -1;
    int growStep_ = 256;
    uint32_t pageSlots_ = 1;  // records to a page: about a megabyte, at least one record
    int selectedCount_ = 0;
    std::vector<std::unique_ptr<char[]>> pages_;  // slot records, pageSlots_ to a page
    std::vector<RowAttributes> attributes_;       // by slot
    std::vector<uint32_t> order_;                 // row index -> slot
    std::vector<uint32_t> freeSlots_;
    std::unordered_multimap<int32_t, uint32_t> keyIndex_;  // key -> slot
    mutable std::vector<int> rowOfSlot_;                   // slot -> row, rebuilt when stale
    mutable bool rowOfSlotStale_ = false;
};

}  // namespace grid
}  // namespace tw
