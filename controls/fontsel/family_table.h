#pragma once
// The font selector's table of font families: one 36-byte record per family found, grown by
// one record at a time. Portable.

#include <cstddef>
#include <cstdint>

namespace tw {

constexpr size_t kFaceNameSize = 32;  // up to 31 characters and the terminator

struct FamilyRecord {
    uint32_t flag;  // bit 2 of the family's pitch-and-family byte (set for TrueType)
    char name[kFaceNameSize];
};
static_assert(sizeof(FamilyRecord) == 36, "one record is 36 bytes");

struct FamilyTable {
    FamilyRecord* records;  // null until the first family
    uint32_t count;
};

// Resizes a block as realloc does: null (and the block untouched) when it cannot.
using GrowBlock = void* (*)(void* block, size_t bytes);

// Appends a family (its name cut to 31 characters). When the table cannot grow it keeps its
// old content and false is returned.
bool AppendFamily(FamilyTable& table, uint32_t flag, const char* name, GrowBlock grow = nullptr);

// Frees the records and empties the table.
void ClearFamilies(FamilyTable& table);

// The record at `index` (an item's data), or null when the index is outside the table.
const FamilyRecord* FamilyAt(const FamilyTable& table, uintptr_t index);

// Copies `text` into `buffer` of `size` bytes, cut to fit and terminated; nothing is written
// when size is 0. Returns the number of characters copied.
size_t CopyCut(char* buffer, size_t size, const char* text);

}  // namespace tw
