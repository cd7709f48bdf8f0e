#pragma once
// The row record of one time record, as the time table hands it to the grid.

#include "framework/cal_time.h"
#include "view/grid_interface.h"

namespace tw {

class CTimeRec;
class CWorkmetrDoc;

// The row of `record` with key `key`: packed start and stop dates and times, elapsed and paused
// durations by the document's display increment, effective rate, charge, the three item texts
// (only for valid indexes, cut to 63 characters), expense, mark and notes.
grid::TimeTableRow BuildRow(const CWorkmetrDoc& doc, const CTimeRec& record, int key);

// The packed MS-DOS date and time of a calendar time in local time.
uint16_t PackedDateOf(CalTime t);
uint16_t PackedTimeOf(CalTime t);

}  // namespace tw
