// dtbl32.dll's public header: the messages, results and notification codes of the DataTbl32
// grid control, its column types and settings, and the MS-DOS date and time fields of its rows.
// Clients (the program's views) and the grid itself share it. Portable: no <windows.h>.
//
// Conventions: every message goes to the grid window with SendMessage (w = WPARAM, l = LPARAM).
// Column and row indices are 0-based. Notifications reach the parent as WM_COMMAND with
// LOWORD(w) = the grid's control id, HIWORD(w) = the code, l = the grid window.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tw {
namespace grid {

constexpr unsigned kUserBase = 0x0400;  // WM_USER

// Window class registered by dtbl32.dll when it is loaded.
constexpr const char* kClassName = "DataTbl32";

// Messages -----------------------------------------------------------------------------------
enum Message : unsigned {
    // Set-up
    kClearRows = 0x401,       // remove every row
    kGetStyle = 0x402,        // -> grid style
    kSetStyle = 0x403,        // l = grid style
    kGetColumnCount = 0x407,  // -> number of columns
    kSetColumnCount = 0x408,  // w = number of columns (existing rows are cleared)
    kGetColumnFlags = 0x409,  // w = col -> flags (ColumnFlag), negative for a bad column
    kSetColumnFlags = 0x40A,  // w = col, l = flags
    kSetColumnType = 0x40C,   // w = col, l = ColumnType (rows are cleared)
    kSetMaxLength = 0x40E,    // w = col, l = maximum text length in bytes, terminator included
    kSetColumnWidth = 0x410,  // w = col or kRowSelectorColumn, l = width in pixels
    kSetPicture = 0x412,      // w = col, l = display picture ("M/d/yyyy", "h:mm tt")
    kGetTitle = 0x413,        // w = col, l = buffer(256) -> 0 when the column has a title
    kSetTitle = 0x414,        // w = col, l = title text
    kGetName = 0x415,         // w = col, l = buffer(256) -> 0 when done
    kSetName = 0x416,         // w = col, l = name text
    kFindColumn = 0x41B,      // l = name -> col, or -1 when no column has that name
    kGetRowCount = 0x41E,     // -> number of rows
    kGetViewValue = 0x420,    // w = ViewValue -> value
    kSetViewValue = 0x421,    // w = ViewValue, l = value
    kGetSetting = 0x422,      // l = Setting -> value
    kSetSetting = 0x423,      // w = value, l = Setting

    // Rows and the current cell
    kGetCurrentRow = 0x424,        // -> current row, kNoCurrentRow when none
    kGetCurrentColumn = 0x425,     // -> current column
    kSetCurrentCellQuiet = 0x426,  // as kSetCurrentCell; sent before opening an editor
    kSetCurrentCell = 0x429,  // w = col, l = row (kNoRow: none) -> 0 when done, negative otherwise
    kOverwriteRow = 0x42B,    // l = row record: overwrite the current row -> its index (<0 failed)
    kInsertRow = 0x42C,       // l = row record: insert before the current row, or append when
                              // there is none -> index of the new row (<0 failed)
    kDeleteRow = 0x42D,       // delete the current row -> 0 when done
    kReadCell = 0x435,        // l = buffer, w = buffer size (0: the field's own size) -> 0 when
                              // done: the current cell's field as stored in the row record
                              // (4-byte key or mark, 2-byte packed date or time, text)

    // Selection
    kSelectRow = 0x43B,         // w = 1 select / 0 unselect, l = row -> 0 when done
    kSelectAll = 0x43D,         // w = 1 all, 0 none
    kGetSelectedCount = 0x43E,  // -> number of selected rows
    kGetSelectedRows = 0x43F,   // l = int array, w = its capacity (0: room for all) -> count
    kGetFirstSelected = 0x440,  // -> first selected row, or a "none" value (IsNoSelection)
    kGetNextSelected = 0x441,   // l = row -> next selected row after it, kEndOfSelection at the end

    // Caret of the open editor
    kSetEditorCaret = 0x44B,  // l = caret position (-1: end of the text)

    // Layout and notifications
    kGetVisibleRows = 0x451,   // -> rows that fit in the window
    kGetNotifyRow = 0x453,     // -> row of the last notification (kHeaderRow: the header)
    kGetNotifyColumn = 0x454,  // -> column of the last notification (kSelectorColumn)

    // Editing
    kEditing = 0x45F,              // w = EditingAction -> nonzero while editing (kQuery) or 0 done
    kSetRowFont = 0x472,           // l = LOGFONTA*: font of the current row
    kResetRowFont = 0x476,         // current row back to the normal font
    kGetTypedChar = 0x482,         // during kNotifyCharTyped -> the typed character
    kReplaceTypedChar = 0x483,     // during kNotifyCharTyped: w = the character to insert instead
    kGetRowHeight = 0x48C,         // -> height of the current row in pixels
    kSetRowHeight = 0x48D,         // l = height of the current row in pixels
    kRedrawRow = 0x48E,            // l = row
    kEnsureVisible = 0x493,        // w = Placement, l = row
    kSetEditStyle = 0x495,         // w = col, l = edit-control styles of the column's editor
    kSetOptions = 0x498,           // l = options
    kSetChoices = 0x49A,           // w = col, l = choices separated by tabs ("" or null: none)
    kSetSortColumn = 0x49F,        // w = col (kClearSortLevel clears), l = level 1-3 -> 0 when done
    kGetEditorWindow = 0x4A3,      // -> the open editor's edit window, 0 when none
    kRefuseEdit = 0x4AB,           // l = 1: during kNotifyEditBegin, the edit is not opened
    kSetSortAscending = 0x4AE,     // w = 1 ascending / 0 descending, l = level -> 0 when done
    kSetSortNoCase = 0x4B0,        // w = 1 case-insensitive, l = level -> 0 when done
    kGetEditorList = 0x4B1,        // -> the open editor's drop-down list window, 0 when none
    kGetPlacementSetting = 0x4BA,  // -> the Setting index that holds the grid's Placement
    kGetHeaderHeight = 0x4BC,      // -> header height in pixels (saved state value b)
    kGetDefaultRowHeight = 0x4BD,  // -> normal row height in pixels (saved state value a)
    kGetGrowStep = 0x4C0,          // -> rows the store grows by when full
    kSetGrowStep = 0x4C1,          // w = rows the store grows by when full
    kSetTabWidth = 0x4D1,          // w = characters per tab stop in texts
    kSetNullText = 0x4D3,          // w = col, l = text of the column's "no value" ("-1" for keys)
    kSetHeaderHeight = 0x4D5,      // w = header height in pixels
    kSetDefaultRowHeight = 0x4D6,  // w = normal row height in pixels

    // Our own additions, beyond what the program sends.
    kFindKey = 0x4F0,         // w = key value -> row whose key column holds it, or -1
    kGetColumnWidth = 0x4F1,  // w = col or kRowSelectorColumn -> width in pixels
};

// Results and special indices ----------------------------------------------------------------
constexpr int kNoWindow = -2;           // result of a wrapper call without a window
constexpr int kFailed = -1;             // generic failure
constexpr int kNoRow = -2;              // kSetCurrentCell: no current row (insert then appends)
constexpr int kNoCurrentRow = -3;       // kGetCurrentRow: there is none
constexpr int kEndOfSelection = -3;     // kGetNextSelected: no selected row after the given one
constexpr int kHeaderRow = -4;          // notification row: the column header
constexpr int kSelectorColumn = -5;     // notification column: the row selectors
constexpr int kNoSelection = -1;        // kGetFirstSelected: rows exist, none selected
constexpr int kNoSelectionEmpty = -22;  // kGetFirstSelected: the grid has no rows
constexpr unsigned kRowSelectorColumn = 0xFFFB;  // kSetColumnWidth: width of the row selectors
constexpr unsigned kClearSortLevel = 0xFFFD;     // kSetSortColumn: clear the level

// The first-selected answers that mean "no row".
constexpr bool IsNoSelection(long row) {
    return row == kNoSelection || row == kSelectorColumn || row == kNoSelectionEmpty || row < 0;
}

// Notification codes (HIWORD of WM_COMMAND's w) ------------------------------------------------
enum Notification : unsigned {
    kNotifyDataChanged = 5,    // a user edit changed the table (follows kNotifyCellChanged)
    kNotifyDoubleClick = 11,   // double-click on a cell (row and column by kGetNotifyRow/Column)
    kNotifyCellChanged = 12,   // a cell's value was changed by the user
    kNotifyEditorOpened = 16,  // the in-cell editor is open (kGetEditorWindow)
    kNotifyClick = 18,         // a click on a cell, header, row selector or the corner
    kNotifyCharTyped = 25,     // a character is about to go into the editor (kGetTypedChar)
    kNotifyEditBegin = 42,     // an edit is about to begin; kRefuseEdit refuses it
    kNotifyEditEnd = 43,       // the editor is about to close; its text can still be changed
    kNotifySelectionChanged = 48,   // the set of selected rows changed by the user
    kNotifyCurrentRowChanged = 51,  // the current row changed by the user
};

// Column types and flags ---------------------------------------------------------------------
enum ColumnType : unsigned {
    kTypeKey = 0x83,   // 32-bit signed integer key
    kTypeText = 0x87,  // text of up to the column's maximum length, zero-terminated
    kTypeDate = 0x88,  // 16-bit MS-DOS packed date
    kTypeTime = 0x89,  // 16-bit MS-DOS packed time
    kTypeMark = 0x94,  // 32-bit mark, shown as a check ("X") when non-zero
};

enum ColumnFlag : unsigned {
    kFlagEditable = 0x04,
    kFlagHidden = 0x20,
    kFlagDataCenter = 0x40,
    kFlagDataRight = 0x80,
    kFlagHeaderCenter = 0x100,
    kFlagHeaderRight = 0x200,
    kFlagAutoSort = 0x4000,  // keep the rows sorted by this column (ascending, ignoring case)
};
constexpr unsigned kDataJustifyMask = kFlagDataCenter | kFlagDataRight;
constexpr unsigned kHeaderJustifyMask = kFlagHeaderCenter | kFlagHeaderRight;

// Field sizes of the fixed-size types.
constexpr int kKeyFieldSize = 4;
constexpr int kDateFieldSize = 2;
constexpr int kTimeFieldSize = 2;
constexpr int kMarkFieldSize = 4;

// kEditing actions.
enum EditingAction : unsigned {
    kEditQuery = 0,   // -> nonzero while an editor is open
    kEditOpen = 1,    // open the editor on the current cell -> 0 when opened
    kEditCommit = 2,  // commit the editor's text and close it -> 0 when done
    kEditCancel = 3,  // close the editor and keep the cell's value
};

// Saved state and settings -------------------------------------------------------------------
// The six saved-state values: a = kGetDefaultRowHeight / kSetDefaultRowHeight,
// b = kGetHeaderHeight / kSetHeaderHeight, the ViewValues 2 and 6 (32-bit) and the Settings
// 2 and 3 (16-bit).
enum ViewValue : unsigned {
    kViewTopRow = 0,      // first visible row
    kViewCurrentRow = 2,  // current row (setting it brings the row into view)
    kViewScrollX = 6,     // horizontal scroll offset in pixels
};

// 0 is the normal look for every setting, so a saved state of zeros changes nothing.
enum Setting : unsigned {
    kSettingHiddenLines = 2,     // HiddenLines bits: grid lines not drawn
    kSettingPlainSelectors = 3,  // 1: row selectors without the current-row arrow
    kSettingPlacement = 4,       // Placement used when bringing a row into view
};

enum HiddenLines : unsigned {
    kHideHorizontalLines = 1,
    kHideVerticalLines = 2,
};

enum Placement : unsigned {
    kPlaceNearest = 0,  // scroll as little as possible
    kPlaceTop = 1,      // the row becomes the first visible row
    kPlaceCenter = 2,   // the row is centred in the window
};

// MS-DOS packed dates and times.
constexpr uint16_t PackDosDate(int year, int month, int day) {
    return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}
constexpr uint16_t PackDosTime(int hour, int minute, int second) {
    return static_cast<uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}
constexpr int DosDateYear(uint16_t d) { return 1980 + (d >> 9); }
constexpr int DosDateMonth(uint16_t d) { return (d >> 5) & 0x0F; }
constexpr int DosDateDay(uint16_t d) { return d & 0x1F; }
constexpr int DosTimeHour(uint16_t t) { return t >> 11; }
constexpr int DosTimeMinute(uint16_t t) { return (t >> 5) & 0x3F; }
constexpr int DosTimeSecond(uint16_t t) { return (t & 0x1F) * 2; }

// Copies text into a fixed-size field of a row record, cut to fit and always zero-terminated.
template <size_t N>
inline void SetRowText(char (&field)[N], const char* text) {
    size_t i = 0;
    if (text != nullptr) {
        for (; i + 1 < N && text[i] != '\0'; ++i) field[i] = text[i];
    }
    for (; i < N; ++i) field[i] = '\0';
}

}  // namespace grid
}  // namespace tw
