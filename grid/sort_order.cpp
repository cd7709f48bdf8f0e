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

// The first level's value of one row, as bytes that compare like the value (texts folded when
// the level ignores case), so that most comparisons of a sort never touch the row records.
struct SortKey {
    static constexpr size_t kPrefix = 24;
    unsigned char prefix[kPrefix];
    bool complete;  // the prefix holds the whole value
    int row;
};

SortKey MakeSortKey(const Column& column, const SortLevel& level, const char* record, int row) {
    SortKey key = {};
    key.row = row;
    key.complete = true;
    const char* field = record + column.offset;
    if (column.type == kTypeKey || column.type == kTypeMark) {
        int32_t value;
        std::memcpy(&value, field, sizeof value);
        const uint32_t biased = static_cast<uint32_t>(value) ^ 0x80000000u;
        for (int i = 0; i < 4; ++i)
            key.prefix[i] = static_cast<unsigned char>(biased >> (24 - 8 * i));
    } else if (column.type == kTypeDate || column.type == kTypeTime) {
        uint16_t value;
        std::memcpy(&value, field, sizeof value);
        key.prefix[0] = static_cast<unsigned char>(value >> 8);
        key.prefix[1] = static_cast<unsigned char>(value);
    } else {
        size_t i = 0;
        for (; i < SortKey::kPrefix && field[i] != '\0'; ++i) {
            const unsigned char c = static_cast<unsigned char>(field[i]);
            key.prefix[i] = (level.noCase && c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
        }
        key.complete = i < SortKey::kPrefix;
    }
    return key;
}

}  // namespace

std::vector<int> SortRows(RowStore& rows, const ColumnSet& columns,
                          const std::vector<SortLevel>& levels) {
    std::vector<int> order(size_t(rows.Count()));
    for (int i = 0; i < rows.Count(); ++i) order[size_t(i)] = i;
    if (levels.empty()) return order;
    const Column& first = columns.At(levels[0].column);
    std::vector<SortKey> keys(order.size());
    for (int i = 0; i < rows.Count(); ++i)
        keys[size_t(i)] = MakeSortKey(first, levels[0], rows.Record(i), i);
    const std::vector<SortLevel> rest(levels.begin() + 1, levels.end());
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        const int order = std::memcmp(a.prefix, b.prefix, SortKey::kPrefix);
        if (order != 0) return levels[0].ascending ? order < 0 : order > 0;
        if (a.complete && b.complete) {
            return !rest.empty() &&
                   CompareRecords(columns, rest, rows.Record(a.row), rows.Record(b.row)) < 0;
        }
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
