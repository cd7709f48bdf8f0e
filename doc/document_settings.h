#pragma once
// The document's own preferences, as plain values with their new-document defaults. They are
// stored in the document file (doc/document_file_settings.h) and edited on copies by the
// preference pages, which hand them back through CWorkmetrDoc::SetSettings.

#include <array>
#include <cstdint>
#include <string>

#include "doc/display_formats_rounding.h"  // TimeDisplaySettings

namespace tw {

constexpr int kColumnCount = 14;  // table columns 0 Start Date .. 13 Notes

// Table column indices, one order for the grid, the settings, export, printing and the file.
enum TableColumn : int {
    kColStartDate = 0,
    kColStartTime,
    kColStopDate,
    kColStopTime,
    kColElapsed,
    kColPaused,
    kColHourlyRate,
    kColCharge,
    kColProject,
    kColCategory,
    kColClient,
    kColExpense,
    kColMark,
    kColNotes,
};

// Item list types.
enum ItemListType : int { kProjectList = 0, kCategoryList = 1, kClientList = 2 };
constexpr int kItemListCount = 3;

struct RateSettings {
    int rateSource = kProjectList;  // the list whose rate applies to records without an own rate
    bool includeRatesInMenu = false;
    bool alwaysSortItems = false;
    float oldFileRate = 0.0f;  // own rate of records read from files whose records carry none
};

struct RecordDefaults {
    bool useDefinedItems = true;  // on: the values below; off: those of the previous active record
    int mark = 0;
    int project = 0;
    int category = 0;
    int client = 0;
};

struct ColumnSetting {
    int width = 0;
    bool hidden = false;
    int dataJustify = 0;  // grid justification codes
    int headerJustify = 0;
    std::string customHeader;  // empty: the default header text
    bool exported = true;
    bool printed = true;
};

struct ExportSettings {
    bool newFile = true;
    bool allRecords = true;
    bool headerRow = true;
    bool totalsRow = true;
    bool removeCarriageReturns = false;
    bool reportsLayout = false;  // the fixed layout of the older reporting tool
};

constexpr size_t kFontFaceMax = 31;  // characters a print font face name holds

struct PrintSettings {
    bool notesOnNextLine = true;
    bool totals = true;
    bool blankLineBetween = false;
    bool columnNames = true;
    bool pageHeader = true;  // page header and page number
    bool allRecords = true;
    bool customHeader = false;
    std::string customHeaderText;
    int fontHeight = 100;  // tenths of a point
    int fontWeight = 400;
    bool fontItalic = false;
    std::string fontFace = "Courier New";  // at most kFontFaceMax characters
};

struct SortLevel {
    bool ascending = true;
    bool caseInsensitive = false;
    bool use = false;
    int column = 0;
};

struct PointValue {
    int32_t x = 0;
    int32_t y = 0;
};

struct RectValue {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The child window's placement as last read from the file or the window.
struct WindowPlacementState {
    bool valid = false;                // a placement was read
    bool explicitMinPosition = false;  // minimised with a stored minimised position
    int showState = 1;                 // 1 normal, 2 minimised, 3 maximised
    PointValue minPosition{-1, -1};
    PointValue maxPosition{-1, -1};
    RectValue normal;  // before compacting, when compacted
    bool compacted = false;
    PointValue currentTopLeft;  // the window's current normal top-left corner
};

// The grid's saved state: two 16-bit values (0xFFFF: none), two 32-bit, two 16-bit.
struct SavedViewState {
    uint16_t first = 0xFFFF;
    uint16_t second = 0xFFFF;
    int32_t third = 0;
    int32_t fourth = 0;
    uint16_t fifth = 0;
    uint16_t sixth = 0;
};

struct DocumentSettings {
    TimeDisplaySettings timeDisplay;
    RateSettings rates;
    RecordDefaults defaults;
    std::array<ColumnSetting, kColumnCount> columns = DefaultColumns();
    ExportSettings exporting;
    PrintSettings printing;
    std::array<SortLevel, 3> sort;
    WindowPlacementState placement;
    SavedViewState viewState;
    int totalsMode = 0;  // totals shown: 0 the active record, 1 all records, 2 the marked ones

    static std::array<ColumnSetting, kColumnCount> DefaultColumns();
};

}  // namespace tw
