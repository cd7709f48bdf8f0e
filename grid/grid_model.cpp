#include "grid/grid_model.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "grid/dtbl32.h"

namespace tw {
namespace grid {

void GridModel::ResetRows() {
    const int key = columns_.KeyColumn();
    rows_.Reset(columns_.RecordSize(), key >= 0 ? columns_.At(key).offset : -1);
    currentRow_ = -1;
    if (!columns_.Valid(currentColumn_)) currentColumn_ = 0;
}

bool GridModel::SetColumnCount(int n) {
    if (!columns_.Resize(n)) return false;
    currentColumn_ = 0;
    ResetRows();
    return true;
}

bool GridModel::SetColumnType(int col, unsigned type) {
    if (!columns_.SetType(col, type)) return false;
    ResetRows();
    return true;
}

bool GridModel::SetMaxLength(int col, int length) {
    if (!columns_.Valid(col)) return false;
    if (columns_.At(col).type != kTypeText) return true;  // fixed-size fields keep their size
    if (!columns_.SetMaxLength(col, length)) return false;
    ResetRows();
    return true;
}

bool GridModel::SetColumnFlags(int col, unsigned flags) {
    if (!columns_.Valid(col)) return false;
    const bool autoSortOn = (flags & kFlagAutoSort) && !(columns_.At(col).flags & kFlagAutoSort);
    columns_.At(col).flags = flags;
    if (autoSortOn) {
        unsorted_ = true;
        EnsureSorted();
    }
    return true;
}

bool GridModel::SetCurrentCell(int col, int row) {
    EnsureSorted();
    if (!columns_.Valid(col)) return false;
    if (row == kNoRow) {
        currentRow_ = -1;
    } else if (rows_.Valid(row)) {
        currentRow_ = row;
    } else {
        return false;
    }
    currentColumn_ = col;
    return true;
}

int GridModel::CurrentRow() const { return currentRow_ >= 0 ? currentRow_ : kNoCurrentRow; }

void GridModel::CutTexts(char* record) const {
    for (int c = 0; c < columns_.Count(); ++c) {
        if (columns_.At(c).type == kTypeText) {
            record[columns_.At(c).offset + columns_.FieldSize(c) - 1] = '\0';
        }
    }
}

// Moves `row` to its sorted place when levels are set; returns its index.
int GridModel::PlaceRow(int row) {
    const std::vector<SortLevel> levels = sort_.Active(columns_);
    if (levels.empty()) return row;
    const int place = SortedPlace(rows_, columns_, levels, rows_.Record(row), row);
    rows_.Move(row, place);
    if (currentRow_ == row) currentRow_ = place;
    return place;
}

int GridModel::OverwriteCurrent(const void* record) {
    EnsureSorted();
    if (record == nullptr || !rows_.Valid(currentRow_)) return -1;
    std::vector<char> copy(static_cast<const char*>(record),
                           static_cast<const char*>(record) + columns_.RecordSize());
    CutTexts(copy.data());
    rows_.Overwrite(currentRow_, copy.data());
    return PlaceRow(currentRow_);
}

int GridModel::InsertAtCurrent(const void* record) {
    EnsureSorted();
    if (record == nullptr || columns_.RecordSize() == 0) return -1;
    std::vector<char> copy(static_cast<const char*>(record),
                           static_cast<const char*>(record) + columns_.RecordSize());
    CutTexts(copy.data());
    const std::vector<SortLevel> levels = sort_.Active(columns_);
    int at = rows_.Valid(currentRow_) ? currentRow_ : rows_.Count();
    if (!levels.empty()) at = SortedPlace(rows_, columns_, levels, copy.data(), -1);
    const int row = rows_.Insert(at, copy.data());
    if (row >= 0) currentRow_ = row;
    return row;
}

bool GridModel::DeleteCurrent() {
    EnsureSorted();
    if (!rows_.Erase(currentRow_)) return false;
    if (currentRow_ >= rows_.Count()) currentRow_ = rows_.Count() - 1;
    return true;
}

void GridModel::ClearRows() {
    rows_.Clear();
    currentRow_ = -1;
}

bool GridModel::ReadCurrentCell(void* buffer, int size) const {
    if (buffer == nullptr || size < 0 || !rows_.Valid(currentRow_) ||
        !columns_.Valid(currentColumn_)) {
        return false;
    }
    const int fieldSize = columns_.FieldSize(currentColumn_);
    const char* field = Field(currentRow_, currentColumn_);
    if (size == 0) size = fieldSize;
    if (columns_.At(currentColumn_).type != kTypeText) {
        if (size < fieldSize) return false;
        std::memcpy(buffer, field, size_t(fieldSize));
        return true;
    }
    const size_t length = std::min(strnlen(field, size_t(fieldSize)), size_t(size - 1));
    std::memcpy(buffer, field, length);
    static_cast<char*>(buffer)[length] = '\0';
    return true;
}

int32_t GridModel::NumberField(int row, int col) const {
    int32_t value;
    std::memcpy(&value, Field(row, col), sizeof value);
    return value;
}

uint16_t GridModel::ShortField(int row, int col) const {
    uint16_t value;
    std::memcpy(&value, Field(row, col), sizeof value);
    return value;
}

int GridModel::WriteField(int row, int col, const void* bytes, int size) {
    EnsureSorted();
    if (!rows_.Valid(row) || !columns_.Valid(col)) return -1;
    std::vector<char> copy(rows_.Record(row), rows_.Record(row) + columns_.RecordSize());
    std::memcpy(copy.data() + columns_.At(col).offset, bytes, size_t(size));
    rows_.Overwrite(row, copy.data());
    return PlaceRow(row);
}

int GridModel::SetTextField(int row, int col, const std::string& text) {
    if (!columns_.Valid(col) || columns_.At(col).type != kTypeText) return -1;
    std::vector<char> field(size_t(columns_.FieldSize(col)), '\0');
    std::memcpy(field.data(), text.data(), std::min(text.size(), field.size() - 1));
    return WriteField(row, col, field.data(), int(field.size()));
}

int GridModel::SetNumberField(int row, int col, int32_t value) {
    if (!columns_.Valid(col)) return -1;
    const unsigned type = columns_.At(col).type;
    if (type == kTypeKey || type == kTypeMark) return WriteField(row, col, &value, 4);
    if (type != kTypeDate && type != kTypeTime) return -1;
    const uint16_t narrow = static_cast<uint16_t>(value);
    return WriteField(row, col, &narrow, 2);
}

void GridModel::EnsureSorted() {
    if (!unsorted_) return;
    unsorted_ = false;
    const std::vector<SortLevel> levels = sort_.Active(columns_);
    if (levels.empty()) return;
    const std::vector<int> order = SortRows(rows_, columns_, levels);
    if (currentRow_ >= 0) {
        currentRow_ = int(std::find(order.begin(), order.end(), currentRow_) - order.begin());
    }
}

}  // namespace grid
}  // namespace tw
