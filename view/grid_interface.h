// The program's side of the grid protocol: the row records the time table and the rate list
// hand to the DataTbl32 grid (grid/dtbl32.h), and their column numbers. Portable: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

#include "grid/dtbl32.h"

namespace tw {
namespace grid {

// Row records --------------------------------------------------------------------------------
#pragma pack(push, 1)

// One row of the time table: the fifteen columns' fields in column order, texts zero-terminated.
struct TimeTableRow {
    int32_t position;    // key: the record's position in the document's list
    uint16_t startDate;  // MS-DOS date: day bits 0-4, month 5-8, year - 1980 9-15
    uint16_t startTime;  // MS-DOS time: seconds / 2 bits 0-4, minute 5-10, hour 11-15
    uint16_t stopDate;
    uint16_t stopTime;
    char elapsedTime[30];
    char pausedTime[30];
    char hourlyRate[40];
    char charge[40];
    char project[64];
    char category[64];
    char client[64];
    char expense[40];
    int32_t mark;  // 0 or 1
    char notes[256];
};

// One row of the rate list: position key, name and rate text.
struct RateListRow {
    int32_t position;
    char name[64];
    char hourlyRate[64];
};

#pragma pack(pop)

static_assert(sizeof(TimeTableRow) == 644, "TimeTableRow layout");
static_assert(offsetof(TimeTableRow, elapsedTime) == 12, "TimeTableRow layout");
static_assert(offsetof(TimeTableRow, project) == 152, "TimeTableRow layout");
static_assert(offsetof(TimeTableRow, mark) == 384, "TimeTableRow layout");
static_assert(offsetof(TimeTableRow, notes) == 388, "TimeTableRow layout");
static_assert(sizeof(RateListRow) == 132, "RateListRow layout");

// Grid columns of the time table and of the rate list.
enum TimeTableColumn : int {
    kColPosition = 0,
    kColStartDate,
    kColStartTime,
    kColStopDate,
    kColStopTime,
    kColElapsedTime,
    kColPausedTime,
    kColHourlyRate,
    kColCharge,
    kColProject,
    kColCategory,
    kColClient,
    kColExpense,
    kColMark,
    kColNotes,
    kTimeTableColumnCount
};
enum RateListColumn : int { kRateColPosition = 0, kRateColName, kRateColRate, kRateColumnCount };

}  // namespace grid
}  // namespace tw
