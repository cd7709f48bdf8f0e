#include "grid/sort_order.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "grid/text_compare.h"
#include "grid/dtbl32.h"

namespace tw {
namespace grid {

bool SortOrder::SetColumn(int level, int column) {
    if (!ValidLevel(level) || column < 0) return false;
    levels_[level - 1].column = column;
    return true;
}

bool SortOrder::SetAscending(int level, bool ascending) {
    if (!ValidLevel(level)) return false;
    levels_[level - 1].ascending = ascending;
    return true;
}

bool SortOrder::SetNoCase(int level, bool noCase) {
    if (!ValidLevel(level)) return false;
    levels_[level - 1].noCase = noCase;
    return true;
}

bool SortOrder::Clear(int level) {
    if (!ValidLevel(level)) return false;
    levels_[level - 1] = SortLevel{};
    return true;
}

std::vector<SortLevel> SortOrder::Active(const ColumnSet& columns) const {
    std::vector<SortLevel> active;
    for (const SortLevel& level : levels_) {
        if (!columns.Valid(level.column)) break;
        active.push_back(level);
    }
    if (!active.empty()) return active;
    for (int c = 0; c < columns.Count(); ++c) {
        if (columns.At(c).flags & kFlagAutoSort) {
            active.push_back(SortLevel{c, true, true});
            break;
        }
    }
    return active;
}

namespace {

template <typename T>
int CompareNumbers(const char* a, const char* b) {
    T x, y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x < y ? -1 : (y < x ? 1 : 0);
}

int CompareFields(const Column& column, const SortLevel& level, const char* a, const char* b) {
    const char* x = a + column.offset;
    const char* y = b + column.offset;
    switch (column.type) {
        case kTypeKey:
        case kTypeMark: return CompareNumbers<int32_t>(x, y);
        case kTypeDate:
        case kTypeTime: return CompareNumbers<uint16_t>(x, y);
        default: return CompareText(x, y, level.noCase);
    }
}

}  // namespace

int CompareRecords(const ColumnSet& columns, const std::vector<SortLevel>& levels, const char* a,
                   const char* b) {
    for (const SortLevel& level : levels) {
        const int order = CompareFields(columns.At(level.column), level, a, b);
        if (order != 0) return level.ascending ? order : -order;
    }
    return 0;
}

namespace {

// The levels' values of one row, one after the other, as bytes that compare like the values
// (texts folded when the level ignores case and closed by a 0, descending levels inverted), so
// that most comparisons of a sort never touch the row records. Each level's bytes end where its
// value ends, so comparing the bytes compares level by level.
struct SortKey {
    static constexpr size_t kPrefix = 27;
    unsigned char prefix[kPrefix];
    bool complete;  // the prefix holds every level's whole value
    int row;
};

class SortKeyWriter {
public:
    explicit SortKeyWriter(SortKey& key) : key_(key) {}

    // Appends one level's value; false when it did not fit whole.
    bool Append(const Column& column, const SortLevel& level, const char* record) {
        invert_ = level.ascending ? 0 : 0xFF;
        const char* field = record + column.offset;
        if (column.type == kTypeKey || column.type == kTypeMark) {
            int32_t value;
            std::memcpy(&value, field, sizeof value);
            const uint32_t biased = static_cast<uint32_t>(value) ^ 0x80000000u;
            for (int i = 0; i < 4; ++i)
                if (!Put(static_cast<unsigned char>(biased >> (24 - 8 * i)))) return false;
            return true;
        }
        if (column.type == kTypeDate || column.type == kTypeTime) {
            uint16_t value;
            std::memcpy(&value, field, sizeof value);
            return Put(static_cast<unsigned char>(value >> 8)) &&
                   Put(static_cast<unsigned char>(value));
        }
        for (size_t i = 0;; ++i) {
            const unsigned char c = static_cast<unsigned char>(field[i]);
            if (!Put((level.noCase && c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c)) return false;
            if (c == 0) return true;
        }
    }

private:
    bool Put(unsigned char byte) {
        if (used_ == SortKey::kPrefix) return false;
        key_.prefix[used_++] = byte ^ invert_;
        return true;
    }

    SortKey& key_;
    size_t used_ = 0;
    unsigned char invert_ = 0;
};

SortKey MakeSortKey(const ColumnSet& columns, const std::vector<SortLevel>& levels,
                    const char* record, int row) {
    SortKey key = {};
    key.row = row;
    key.complete = true;
    SortKeyWriter writer(key);
    for (const SortLevel& level : levels) {
        if (!writer.Append(columns.At(level.column), level, record)) {
            key.complete = false;
            break;
        }
    }
    return key;
}

}  // namespace

std::vector<int> SortRows(RowStore& rows, const ColumnSet& columns,
                          const std::vector<SortLevel>& levels) {
    std::vector<int> order(size_t(rows.Count()));
    for (int i = 0; i < rows.Count(); ++i) order[size_t(i)] = i;
    if (levels.empty()) return order;
    std::vector<SortKey> keys(order.size());
    for (int i = 0; i < rows.Count(); ++i)
        keys[size_t(i)] = MakeSortKey(columns, levels, rows.Record(i), i);
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        const int order = std::memcmp(a.prefix, b.prefix, SortKey::kPrefix);
        if (order != 0) return order < 0;
        if (a.complete && b.complete) return false;
        return CompareRecords(columns, levels, rows.Record(a.row), rows.Record(b.row)) < 0;
    });
    for (size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].row;
    rows.Permute(order);
    return order;
}

int SortedPlace(const RowStore& rows, const ColumnSet& columns,
                const std::vector<SortLevel>& levels, const char* record, int skip) {
    const int count = rows.Count() - (rows.Valid(skip) ? 1 : 0);
    if (levels.empty()) return count;
    auto rowAt = [&](int i) { return (skip >= 0 && i >= skip) ? i + 1 : i; };
    int low = 0, high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (CompareRecords(columns, levels, record, rows.Record(rowAt(mid))) < 0) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

}  // namespace grid
}  // namespace tw
