// The family table (see family_table.h).

#include "controls/fontsel/family_table.h"

#include <cstdlib>

namespace tw {
namespace {

void* Realloc(void* block, size_t bytes) { return std::realloc(block, bytes); }

}  // namespace

bool AppendFamily(FamilyTable& table, uint32_t flag, const char* name, GrowBlock grow) {
    if (!name) return false;
    if (!grow) grow = Realloc;
    void* grown = grow(table.records, (size_t(table.count) + 1) * sizeof(FamilyRecord));
    if (!grown) return false;
    table.records = static_cast<FamilyRecord*>(grown);
    FamilyRecord& added = table.records[table.count];
    added.flag = flag;
    CopyCut(added.name, sizeof added.name, name);
    ++table.count;
    return true;
}

void ClearFamilies(FamilyTable& table) {
    std::free(table.records);
    table.records = nullptr;
    table.count = 0;
}

const FamilyRecord* FamilyAt(const FamilyTable& table, uintptr_t index) {
    if (!table.records || index >= table.count) return nullptr;
    return &table.records[index];
}

size_t CopyCut(char* buffer, size_t size, const char* text) {
    if (!buffer || size == 0) return 0;
    size_t n = 0;
    if (text)
        while (n + 1 < size && text[n]) {
            buffer[n] = text[n];
            ++n;
        }
    buffer[n] = '\0';
    return n;
}

}  // namespace tw
