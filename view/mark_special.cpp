#include "view/mark_special.h"

#include "doc/time_rec.h"
#include "framework/local_time.h"

namespace tw {

namespace {

CalTime AtTimeOfDay(CalTime t, int hour, int minute, int second) {
    LocalParts parts = SplitLocalTime(t);
    parts.hour = hour;
    parts.minute = minute;
    parts.second = second;
    return MakeLocalTime(parts);
}

}  // namespace

CalTime BeginOfDay(CalTime t) { return AtTimeOfDay(t, 0, 0, 0); }

CalTime EndOfDay(CalTime t) { return AtTimeOfDay(t, 23, 59, 59); }

DateRange WholeDays(CalTime first, CalTime last) { return {BeginOfDay(first), EndOfDay(last)}; }

bool MatchesCriteria(const CTimeRec& record, const MarkCriteria& criteria) {
    for (int type = 0; type < 3; ++type) {
        if (!criteria.any[type] && record.GetItemIndex(type) != criteria.chosen[type]) return false;
    }
    return (criteria.anyStart || criteria.start.Contains(record.GetStart())) &&
           (criteria.anyStop || criteria.stop.Contains(record.GetStop()));
}

int MarkByCriteria(const CTimeRec& record, const MarkCriteria& criteria) {
    if (MatchesCriteria(record, criteria)) return 1;
    return criteria.unmarkOthers ? 0 : record.GetMark();
}

}  // namespace tw
