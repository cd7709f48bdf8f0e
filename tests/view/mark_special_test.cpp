#include "view/mark_special.h"

#include <gtest/gtest.h>

#include "doc/time_rec.h"
#include "framework/local_time.h"

namespace tw {
namespace {

CalTime At(int day, int hour, int minute, int second) {
    return MakeLocalTime({2026, 3, day, hour, minute, second});
}

CTimeRec Record(CalTime start, CalTime stop, int project, int mark = 0) {
    TimeRecValues v;
    v.start = start;
    v.stop = stop;
    v.elapsed = stop - start;
    v.projectIndex = project;
    v.categoryIndex = 2;
    v.clientIndex = 1;
    v.mark = mark;
    CTimeRec record;
    EXPECT_EQ(record.SetAll(v), CTimeRec::kOk);
    return record;
}

TEST(MarkSpecialTest, EveryAnyBoxMarksEveryRecord) {
    const MarkCriteria any;
    EXPECT_EQ(MarkByCriteria(Record(At(1, 9, 0, 0), At(1, 10, 0, 0), 3), any), 1);
    EXPECT_EQ(MarkByCriteria(Record(0, 0, 0, 1), any), 1);
}

TEST(MarkSpecialTest, StartRangeIncludesItsLastSecondOnly) {
    MarkCriteria criteria;
    criteria.anyStart = false;
    criteria.start = WholeDays(At(5, 12, 0, 0), At(10, 8, 30, 0));
    EXPECT_EQ(criteria.start.begin, At(5, 0, 0, 0));
    EXPECT_EQ(criteria.start.end, At(10, 23, 59, 59));
    EXPECT_TRUE(MatchesCriteria(Record(At(5, 0, 0, 0), At(5, 1, 0, 0), 0), criteria));
    EXPECT_TRUE(MatchesCriteria(Record(At(10, 23, 59, 59), At(11, 1, 0, 0), 0), criteria));
    EXPECT_FALSE(MatchesCriteria(Record(At(11, 0, 0, 0), At(11, 1, 0, 0), 0), criteria));
    EXPECT_FALSE(MatchesCriteria(Record(At(4, 23, 59, 59), At(5, 1, 0, 0), 0), criteria));
}

TEST(MarkSpecialTest, StopRangeAndItemsMustAllHold) {
    MarkCriteria criteria;
    criteria.anyStop = false;
    criteria.stop = WholeDays(At(2, 0, 0, 0), At(2, 0, 0, 0));
    criteria.any[0] = false;
    criteria.chosen[0] = 3;
    criteria.any[1] = false;
    criteria.chosen[1] = 2;
    EXPECT_TRUE(MatchesCriteria(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 3), criteria));
    EXPECT_FALSE(MatchesCriteria(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 4), criteria));
    EXPECT_FALSE(MatchesCriteria(Record(At(1, 22, 0, 0), At(1, 23, 0, 0), 3), criteria));
    criteria.any[2] = false;
    criteria.chosen[2] = 0;  // the record's client is 1
    EXPECT_FALSE(MatchesCriteria(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 3), criteria));
}

TEST(MarkSpecialTest, OthersKeepTheirMarkUnlessUnmarked) {
    MarkCriteria criteria;
    criteria.any[0] = false;
    criteria.chosen[0] = 1;
    criteria.unmarkOthers = false;
    EXPECT_EQ(MarkByCriteria(Record(0, 0, 2, 1), criteria), 1);
    EXPECT_EQ(MarkByCriteria(Record(0, 0, 2, 0), criteria), 0);
    criteria.unmarkOthers = true;
    EXPECT_EQ(MarkByCriteria(Record(0, 0, 2, 1), criteria), 0);
    EXPECT_EQ(MarkByCriteria(Record(0, 0, 1, 0), criteria), 1);
}

}  // namespace
}  // namespace tw
