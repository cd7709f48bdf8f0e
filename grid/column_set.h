// The grid's columns: their types, flags, sizes and texts, and where each column's field lies
// in a row record (the fields in column order).
#pragma once

#include <string>
#include <vector>

namespace tw {
namespace grid {

struct Column {
    unsigned type = 0x87;    // ColumnType
    unsigned flags = 0;      // ColumnFlag bits
    int maxLength = 32;      // text columns: field size in bytes, terminator included
    int width = 80;          // pixels
    unsigned editStyle = 0;  // extra edit-control styles of the column's editor
    std::string picture;     // date or time display picture, empty: the locale's short form
    std::string title;       // header text, empty: none
    std::string name;        // name for lookup
    std::string choices;     // drop-down choices separated by tabs, empty: plain editor
    std::string nullText;    // text of the "no value"
    int offset = 0;          // field offset in the row record
};

class ColumnSet {
public:
    // Replaces the columns with n default text columns; false for a negative or absurd n.
    bool Resize(int n);
    int Count() const { return static_cast<int>(columns_.size()); }
    bool Valid(int col) const { return col >= 0 && col < Count(); }
    const Column& At(int col) const { return columns_[col]; }
    Column& At(int col) { return columns_[col]; }

    // Changing the type or the maximum length changes the record layout; both recompute it.
    bool SetType(int col, unsigned type);
    bool SetMaxLength(int col, int length);

    // Size in bytes of the column's field, and of a whole row record.
    int FieldSize(int col) const;
    int RecordSize() const { return recordSize_; }
    // Index of the first key column, or -1.
    int KeyColumn() const;
    // Column named `name` (exact, then ignoring case), or -1.
    int Find(const std::string& name) const;
    // Visible columns in order.
    std::vector<int> VisibleColumns() const;

private:
    void Layout();
    std::vector<Column> columns_;
    int recordSize_ = 0;
};

bool IsKnownType(unsigned type);
bool IsNumericType(unsigned type);

}  // namespace grid
}  // namespace tw
