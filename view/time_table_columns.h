#pragma once
// The fifteen grid columns of the time table: name, default title, cell type, maximum length and
// whether the user may edit it; the mapping from a column's name to the document's column index;
// and the flag changes of the column operations (hide, justify data, justify header).

#include <string>

namespace tw {

struct TimeTableColumnInfo {
    const char* name;          // the grid column's name, e.g. "START_DATE"
    const char* defaultTitle;  // shown when the document has no custom header text
    unsigned type;             // grid cell type (grid/dtbl32.h ColumnType)
    int maxLength;             // 0: the type's fixed size
    bool editable;
};

constexpr int kTimeTableColumns = 15;

// Column c of the grid (0 POSITION .. 14 NOTES); null outside 0..14.
const TimeTableColumnInfo* TimeTableColumn(int c);

// The document's column index (0..13) of the grid column named `name`; a name not in the
// table gives 13 (MARK), as the document's cell edits expect.
int FieldOfColumn(const std::string& name);

// The grid column (0..14) named `name`, or -1.
int GridColumnOfName(const std::string& name);

// Justification codes the document keeps for a column.
constexpr int kJustifyDataCenter = 64;
constexpr int kJustifyDataRight = 128;
constexpr int kJustifyHeaderCenter = 256;
constexpr int kJustifyHeaderRight = 512;

// The column flags with the hidden bit set or cleared.
unsigned WithHidden(unsigned flags, bool hidden);
// The flags with the data justification of `code` (64 centre, 128 right, 0 left); any other
// code leaves them as they are.
unsigned WithDataJustify(unsigned flags, int code);
// The flags with the header justification of `code` (256 centre, 512 right, 0 left); any other
// code leaves them as they are.
unsigned WithHeaderJustify(unsigned flags, int code);

// The title a column shows: the custom text when not empty, else the column's default title.
std::string ColumnTitle(int c, const std::string& customText);

}  // namespace tw
