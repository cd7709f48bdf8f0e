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

bool MatchesSpecification(const CTimeRec& record, const MarkSpecification& spec) {
    for (int type = 0; type < 3; ++type) {
        if (!spec.any[type] && record.GetItemIndex(type) != spec.chosen[type]) return false;
    }
    return (spec.anyStart || spec.start.Contains(record.GetStart())) &&
           (spec.anyStop || spec.stop.Contains(record.GetStop()));
}

int MarkBySpecification(const CTimeRec& record, const MarkSpecification& spec) {
    if (MatchesSpecification(record, spec)) return 1;
    return spec.unmarkOthers ? 0 : record.GetMark();
}

}  // namespace tw
