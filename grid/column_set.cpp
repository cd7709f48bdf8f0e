#include "grid/column_set.h"

#include "grid/text_compare.h"
#include "grid/dtbl32.h"

namespace tw {
namespace grid {

namespace {
constexpr int kMaxColumns = 1024;
constexpr int kMaxTextField = 64 * 1024;
}  // namespace

bool IsKnownType(unsigned type) {
    return type == kTypeKey || type == kTypeText || type == kTypeDate || type == kTypeTime ||
           type == kTypeMark;
}

bool IsNumericType(unsigned type) { return type == kTypeKey || type == kTypeMark; }

bool ColumnSet::Resize(int n) {
    if (n < 0 || n > kMaxColumns) return false;
    columns_.assign(n, Column{});
    Layout();
    return true;
}

bool ColumnSet::SetType(int col, unsigned type) {
    if (!Valid(col) || !IsKnownType(type)) return false;
    columns_[col].type = type;
    Layout();
    return true;
}

bool ColumnSet::SetMaxLength(int col, int length) {
    if (!Valid(col) || length < 1 || length > kMaxTextField) return false;
    columns_[col].maxLength = length;
    Layout();
    return true;
}

int ColumnSet::FieldSize(int col) const {
    switch (columns_[col].type) {
        case kTypeKey: return kKeyFieldSize;
        case kTypeDate: return kDateFieldSize;
        case kTypeTime: return kTimeFieldSize;
        case kTypeMark: return kMarkFieldSize;
        default: return columns_[col].maxLength;
    }
}

int ColumnSet::KeyColumn() const {
    for (int c = 0; c < Count(); ++c) {
        if (columns_[c].type == kTypeKey) return c;
    }
    return -1;
}

int ColumnSet::Find(const std::string& name) const {
    for (int c = 0; c < Count(); ++c) {
        if (columns_[c].name == name) return c;
    }
    for (int c = 0; c < Count(); ++c) {
        if (!name.empty() && CompareText(columns_[c].name.c_str(), name.c_str(), true) == 0)
            return c;
    }
    return -1;
}

std::vector<int> ColumnSet::VisibleColumns() const {
    std::vector<int> visible;
    for (int c = 0; c < Count(); ++c) {
        if ((columns_[c].flags & kFlagHidden) == 0) visible.push_back(c);
    }
    return visible;
}

void ColumnSet::Layout() {
    int offset = 0;
    for (int c = 0; c < Count(); ++c) {
        columns_[c].offset = offset;
        offset += FieldSize(c);
    }
    recordSize_ = offset;
}

}  // namespace grid
}  // namespace tw
