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
    const MarkSpecification any;
    EXPECT_EQ(MarkBySpecification(Record(At(1, 9, 0, 0), At(1, 10, 0, 0), 3), any), 1);
    EXPECT_EQ(MarkBySpecification(Record(0, 0, 0, 1), any), 1);
}

TEST(MarkSpecialTest, StartRangeIncludesItsLastSecondOnly) {
    MarkSpecification spec;
    spec.anyStart = false;
    spec.start = WholeDays(At(5, 12, 0, 0), At(10, 8, 30, 0));
    EXPECT_EQ(spec.start.begin, At(5, 0, 0, 0));
    EXPECT_EQ(spec.start.end, At(10, 23, 59, 59));
    EXPECT_TRUE(MatchesSpecification(Record(At(5, 0, 0, 0), At(5, 1, 0, 0), 0), spec));
    EXPECT_TRUE(MatchesSpecification(Record(At(10, 23, 59, 59), At(11, 1, 0, 0), 0), spec));
    EXPECT_FALSE(MatchesSpecification(Record(At(11, 0, 0, 0), At(11, 1, 0, 0), 0), spec));
    EXPECT_FALSE(MatchesSpecification(Record(At(4, 23, 59, 59), At(5, 1, 0, 0), 0), spec));
}

TEST(MarkSpecialTest, StopRangeAndItemsMustAllHold) {
    MarkSpecification spec;
    spec.anyStop = false;
    spec.stop = WholeDays(At(2, 0, 0, 0), At(2, 0, 0, 0));
    spec.any[0] = false;
    spec.chosen[0] = 3;
    spec.any[1] = false;
    spec.chosen[1] = 2;
    EXPECT_TRUE(MatchesSpecification(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 3), spec));
    EXPECT_FALSE(MatchesSpecification(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 4), spec));
    EXPECT_FALSE(MatchesSpecification(Record(At(1, 22, 0, 0), At(1, 23, 0, 0), 3), spec));
    spec.any[2] = false;
    spec.chosen[2] = 0;  // the record's client is 1
    EXPECT_FALSE(MatchesSpecification(Record(At(1, 22, 0, 0), At(2, 23, 0, 0), 3), spec));
}

TEST(MarkSpecialTest, OthersKeepTheirMarkUnlessUnmarked) {
    MarkSpecification spec;
    spec.any[0] = false;
    spec.chosen[0] = 1;
    spec.unmarkOthers = false;
    EXPECT_EQ(MarkBySpecification(Record(0, 0, 2, 1), spec), 1);
    EXPECT_EQ(MarkBySpecification(Record(0, 0, 2, 0), spec), 0);
    spec.unmarkOthers = true;
    EXPECT_EQ(MarkBySpecification(Record(0, 0, 2, 1), spec), 0);
    EXPECT_EQ(MarkBySpecification(Record(0, 0, 1, 0), spec), 1);
}

}  // namespace
}  // namespace tw
