#pragma once
// The items of an outline list and the table that owns them. Portable.
//
// Items live in numbered slots; slot 0 is the invisible root whose children are the
// top-level items. A client sees an item through a 32-bit handle made of the slot number and
// the slot's generation, which changes each time the slot is freed: a stale or made-up handle
// therefore finds no item instead of another item's memory.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tw {

using ItemHandle = uint32_t;
constexpr ItemHandle kNoHandle = 0;

// Item flag bits.
constexpr uint16_t kItemOpen = 0x0001;
constexpr uint16_t kItemSelected = 0x0002;
constexpr uint16_t kItemCaret = 0x0004;
constexpr uint16_t kItemLocked = 0x0008;
constexpr uint16_t kClientFlags = 0x000F;   // the bits a client sees
constexpr uint16_t kItemDeleting = 0x0100;  // announced for deletion; not announced again

constexpr uint16_t kNoImage = 0xFFFF;         // bitmap index: none of its own
constexpr uint16_t kDirectoryImage = 0x8000;  // bitmap index bit: a directory

struct OutlineItem {
    uint32_t parent = 0;  // slot of the parent (0: the root, for a top-level item)
    uint32_t firstChild = 0;
    uint32_t lastChild = 0;
    uint32_t nextSibling = 0;
    uint32_t previousSibling = 0;
    uint32_t childCount = 0;
    uint32_t level = 0;    // 0 at the top
    uint32_t data = 0;     // the client's value (also the value of a list without strings)
    uintptr_t bitmap = 0;  // the item's own picture (a bitmap handle in the library)
    uint16_t flags = 0;
    uint16_t bitmapIndex = kNoImage;
    uint16_t height = 0;  // own row height in variable owner-draw lists
    std::string text;
};

class ItemStore {
public:
    static constexpr uint32_t kRootSlot = 0;
    // The highest slot number; the slot above it would let the newest generation's handle
    // read 0xFFFFFFFF, which clients take for a failure.
    static constexpr uint32_t kMaxSlots = (1u << 22) - 2;

    ItemStore();

    // A fresh zeroed item; 0 when the table is full.
    uint32_t Allocate();
    void Free(uint32_t slot);
    // Frees every item but the root.
    void Clear();

    OutlineItem& operator[](uint32_t slot) { return items_[slot]; }
    const OutlineItem& operator[](uint32_t slot) const { return items_[slot]; }
    bool IsLive(uint32_t slot) const { return slot < items_.size() && live_[slot]; }

    // The client's handle of a live item (kNoHandle for the root).
    ItemHandle HandleOf(uint32_t slot) const;
    // The slot a handle names; 0 when the handle is null, stale or made up.
    uint32_t SlotOf(ItemHandle handle) const;

    // Items other than the root.
    size_t Count() const { return count_; }
    // One more than the highest slot ever used (for tables indexed by slot).
    size_t SlotLimit() const { return items_.size(); }

private:
    std::vector<OutlineItem> items_;
    std::vector<uint16_t> generations_;
    std::vector<bool> live_;
    std::deque<uint32_t> freeSlots_;  // oldest first, so a slot rests before it is reused
    size_t count_ = 0;
};

}  // namespace tw
