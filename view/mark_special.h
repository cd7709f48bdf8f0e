#pragma once
// Which records Mark Special marks: a record matches when each of its project, category and
// client is the chosen one (or "any"), and its start and stop lie within their date ranges (or
// "any"), both ends included. Ranges cover whole local days: from 00:00:00 of the first day to
// 23:59:59 of the last.

#include "framework/cal_time.h"

namespace tw {

class CTimeRec;

struct DateRange {
    CalTime begin = 0;
    CalTime end = 0;
    bool Contains(CalTime t) const { return begin <= t && t <= end; }
};

struct MarkCriteria {
    bool any[3] = {true, true, true};  // projects, categories, clients
    int chosen[3] = {0, 0, 0};         // slot of each list, when not "any"
    bool anyStart = true;
    bool anyStop = true;
    DateRange start;
    DateRange stop;
    bool unmarkOthers = true;
};

// 00:00:00 and 23:59:59 of the local day of `t`.
CalTime BeginOfDay(CalTime t);
CalTime EndOfDay(CalTime t);
// The whole local days from the day of `first` to the day of `last`.
DateRange WholeDays(CalTime first, CalTime last);

bool MatchesCriteria(const CTimeRec& record, const MarkCriteria& criteria);

// The mark the record gets: 1 when it matches, 0 when it does not and others are unmarked,
// otherwise its own mark.
int MarkByCriteria(const CTimeRec& record, const MarkCriteria& criteria);

}  // namespace tw
