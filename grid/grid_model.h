// The grid's data without its window: columns, rows, the current cell and the sort levels.
// Row operations keep the rows in their sorted place while sort levels are set.
#pragma once

#include <cstdint>
#include <string>

#include "grid/column_set.h"
#include "grid/row_store.h"
#include "grid/sort_order.h"

namespace tw {
namespace grid {

class GridModel {
public:
    ColumnSet& Columns() { return columns_; }
    const ColumnSet& Columns() const { return columns_; }
    RowStore& Rows() { return rows_; }
    const RowStore& Rows() const { return rows_; }

    // Column layout changes empty the rows, whose records no longer fit.
    bool SetColumnCount(int n);
    bool SetColumnType(int col, unsigned type);
    bool SetMaxLength(int col, int length);
    // Sets the flags; switching auto-sort on sorts the rows at once.
    bool SetColumnFlags(int col, unsigned flags);

    // Current cell. row kNoRow: no current row. Returns false for indices that do not exist.
    bool SetCurrentCell(int col, int row);
    int CurrentRow() const;  // kNoCurrentRow when none
    int CurrentColumn() const { return currentColumn_; }

    // Row records of RecordSize() bytes; texts are cut to their field. Return the row's index
    // (after any move to its sorted place) or -1. Insert goes before the current row, or at
    // the end when there is none; the new row becomes current.
    int OverwriteCurrent(const void* record);
    int InsertAtCurrent(const void* record);
    bool DeleteCurrent();
    void ClearRows();

    // Copies the current cell's field into buffer (size 0: the field's own size); a text is
    // cut to fit and zero-terminated. False without a current cell or buffer.
    bool ReadCurrentCell(void* buffer, int size) const;
    const char* Field(int row, int col) const {
        return rows_.Record(row) + columns_.At(col).offset;
    }
    int32_t NumberField(int row, int col) const;
    uint16_t ShortField(int row, int col) const;
    // Writes one field of a row (the text cut to fit, numbers of their field's width) and moves
    // the row to its sorted place; returns the row's new index or -1.
    int SetTextField(int row, int col, const std::string& text);
    int SetNumberField(int row, int col, int32_t value);

    // Sorting: level changes take effect at the next EnsureSorted.
    SortOrder& Sort() { return sort_; }
    const SortOrder& Sort() const { return sort_; }
    void MarkUnsorted() { unsorted_ = true; }
    void EnsureSorted();
    bool Sorted() const { return !sort_.Active(columns_).empty(); }

    int FindKey(int32_t key) const { return rows_.FindKey(key); }

private:
    void ResetRows();
    void CutTexts(char* record) const;
    int PlaceRow(int row);
    int WriteField(int row, int col, const void* bytes, int size);

    ColumnSet columns_;
    RowStore rows_;
    SortOrder sort_;
    int currentRow_ = -1;
    int currentColumn_ = 0;
    bool unsorted_ = false;
};

}  // namespace grid
}  // namespace tw
