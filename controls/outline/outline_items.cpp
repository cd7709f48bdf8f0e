// The item table of an outline list (see outline_items.h).

#include "controls/outline/outline_items.h"

namespace tw {

namespace {

constexpr int kSlotBits = 22;
constexpr uint16_t kGenerationMask = 0x3FF;  // ten bits above the slot number

uint16_t NextGeneration(uint16_t g) { return uint16_t(g % kGenerationMask + 1); }

// No live item's handle is ever the failure value -1 (all bits set).
static_assert(((uint32_t(kGenerationMask) << kSlotBits) | ItemStore::kMaxSlots) != 0xFFFFFFFFu);

}  // namespace

ItemStore::ItemStore() : items_(1), generations_(1, 1), live_(1, true) {}

uint32_t ItemStore::Allocate() {
    uint32_t slot;
    if (!freeSlots_.empty() && (freeSlots_.size() > 64 || items_.size() > kMaxSlots)) {
        slot = freeSlots_.front();
        freeSlots_.pop_front();
        items_[slot] = OutlineItem{};
    } else if (items_.size() <= kMaxSlots) {
        slot = uint32_t(items_.size());
        items_.emplace_back();
        generations_.push_back(1);
        live_.push_back(false);
    } else {
        return 0;
    }
    live_[slot] = true;
    ++count_;
    return slot;
}

void ItemStore::Free(uint32_t slot) {
    if (slot == kRootSlot || !IsLive(slot)) return;
    live_[slot] = false;
    generations_[slot] = NextGeneration(generations_[slot]);
    items_[slot] = OutlineItem{};
    freeSlots_.push_back(slot);
    --count_;
}

void ItemStore::Clear() {
    items_.resize(1);
    items_[kRootSlot] = OutlineItem{};
    // Generations stay, so handles of the cleared items stay stale when slots come back.
    for (uint32_t slot = 1; slot < live_.size(); ++slot) {
        if (live_[slot]) generations_[slot] = NextGeneration(generations_[slot]);
        live_[slot] = false;
    }
    freeSlots_.clear();
    for (uint32_t slot = 1; slot < live_.size(); ++slot) freeSlots_.push_back(slot);
    items_.resize(live_.size());
    count_ = 0;
}

ItemHandle ItemStore::HandleOf(uint32_t slot) const {
    if (slot == kRootSlot || !IsLive(slot)) return kNoHandle;
    return (ItemHandle(generations_[slot]) << kSlotBits) | slot;
}

uint32_t ItemStore::SlotOf(ItemHandle handle) const {
    const uint32_t slot = handle & ((1u << kSlotBits) - 1);
    const uint32_t generation = handle >> kSlotBits;
    if (slot == kRootSlot || !IsLive(slot) || generation != generations_[slot]) return 0;
    return slot;
}

}  // namespace tw
