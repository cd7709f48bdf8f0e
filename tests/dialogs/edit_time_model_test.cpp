// The Edit Time dialog's working copy: its texts, its checks in order and its adjustments.
#include "dialogs/edit_time_model.h"

#include <gtest/gtest.h>

#include "framework/local_time.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"

namespace tw {
namespace {

constexpr int kM = 60;
constexpr int kH = 3600;

class EditTimeModelTest : public ::testing::Test {
protected:
    CalTime At(int year, int month, int day, int hour, int minute, int second = 0) {
        return MakeLocalTime({year, month, day, hour, minute, second});
    }
    // A stopped record's times in the model, shown once as the dialog does on opening.
    void Put(CalTime start, CalTime stop, Duration elapsed, Duration paused, RecalcTarget target) {
        TimeAdjustValues& t = model.Values().times;
        t.start = start;
        t.stop = stop;
        t.elapsed = elapsed;
        t.paused = paused;
        model.Values().target = target;
        elapsedText = model.ShowElapsed();
        pausedText = model.ShowPaused();
    }
    EditTimeFailure CheckShown() { return model.Check(pausedText, elapsedText); }

    TestClock clock{MakeLocalTime({2026, 3, 10, 12, 0, 0})};
    RecordingMessageBox messages;
    ScopedPlatform platform{{&clock, &messages, Platform().locale}};
    CDisplayFormats formats;  // "1 minute", clock form
    EditTimeModel model{formats};
    std::string elapsedText;
    std::string pausedText;
};

TEST_F(EditTimeModelTest, ChecksRunInOrderAndTheFirstFailureWins) {
    const CalTime start = At(2026, 3, 10, 9, 0);
    Put(start, start + kH, kH, 0, RecalcTarget::kElapsed);
    EXPECT_EQ(model.Check("x", "y"), EditTimeFailure::kPaused);
    EXPECT_EQ(model.Check("0:05", "y"), EditTimeFailure::kElapsed);
    EXPECT_EQ(model.Values().times.paused, 5 * kM) << "what passed before the failure is taken";
    EXPECT_EQ(model.Values().times.elapsed, kH);

    model.Values().times.start = At(1979, 6, 15, 10, 20, 30);
    model.Values().times.stop = At(2038, 1, 10, 8, 0);
    EXPECT_EQ(model.Check("0:05", "1:00"), EditTimeFailure::kStart);
    EXPECT_EQ(model.Values().times.start, At(1980, 6, 15, 10, 20, 30))
        << "month, day and time kept";
    EXPECT_EQ(model.Values().times.stop, At(2038, 1, 10, 8, 0))
        << "the stop waits for the next check";
    EXPECT_EQ(model.Check("0:05", "1:00"), EditTimeFailure::kStop);
    EXPECT_EQ(model.Values().times.stop, At(2037, 1, 10, 8, 0));
    EXPECT_EQ(model.Check("0:05", "1:00"), EditTimeFailure::kNone);
}

TEST_F(EditTimeModelTest, AnUntouchedDurationReadsBackExactlyAndAnEditedOneIsParsed) {
    const CalTime start = At(2026, 3, 10, 10, 5, 30);
    Put(start, start + 645, 645, 0, RecalcTarget::kElapsed);
    EXPECT_EQ(elapsedText, "0:11") << "shown rounded up to the increment";
    EXPECT_EQ(CheckShown(), EditTimeFailure::kNone);
    EXPECT_EQ(model.Values().times.elapsed, 645);
    EXPECT_EQ(model.Check("1:75", "0:20"), EditTimeFailure::kNone);
    EXPECT_EQ(model.Values().times.paused, 2 * kH + 15 * kM);
    EXPECT_EQ(model.Values().times.elapsed, 20 * kM);
    EXPECT_EQ(model.Check("", "0:20"), EditTimeFailure::kPaused);
    EXPECT_EQ(model.Check("5", "0:20"), EditTimeFailure::kPaused) << "clock form needs a separator";
}

TEST_F(EditTimeModelTest, DecimalNotationReadsDecimalHours) {
    CDisplayFormats decimal({1, true, 5});
    EditTimeModel m(decimal);
    m.Values().times.start = At(2026, 3, 10, 9, 0);
    m.Values().times.stop = m.Values().times.start + 2 * kH;
    EXPECT_EQ(m.Check("0.25", "1.5"), EditTimeFailure::kNone);
    EXPECT_EQ(m.Values().times.paused, 15 * kM);
    EXPECT_EQ(m.Values().times.elapsed, 90 * kM);
    EXPECT_EQ(m.Check("0:15", "1.5"), EditTimeFailure::kPaused);
}

TEST_F(EditTimeModelTest, LeavingAFieldMovesTheTargetOffItAndKeepsTheEdit) {
    const CalTime start = At(2026, 3, 10, 9, 0);
    Put(start, start + kH, kH, 0, RecalcTarget::kElapsed);
    model.Values().times.elapsed = 2 * kH;
    model.AdjustAfterLeaving(TimeField::kElapsed);
    EXPECT_EQ(model.Values().target, RecalcTarget::kStop);
    EXPECT_EQ(model.Values().times.stop, start + 2 * kH);

    model.Values().target = RecalcTarget::kStart;
    model.Values().times.start = start + 30 * kM;
    model.AdjustAfterLeaving(TimeField::kStart);
    EXPECT_EQ(model.Values().target, RecalcTarget::kElapsed);
    EXPECT_EQ(model.Values().times.elapsed, 90 * kM);

    model.Values().target = RecalcTarget::kStop;
    model.Values().times.stop = start + 3 * kH;
    model.AdjustAfterLeaving(TimeField::kStop);
    EXPECT_EQ(model.Values().target, RecalcTarget::kElapsed);
    EXPECT_EQ(model.Values().times.elapsed, 150 * kM);

    model.Values().target = RecalcTarget::kPaused;
    model.Values().times.paused = 10 * kM;
    model.AdjustAfterLeaving(TimeField::kPaused);
    EXPECT_EQ(model.Values().target, RecalcTarget::kPaused) << "leaving the paused time";
    EXPECT_EQ(model.Values().times.elapsed, 140 * kM);
}

TEST_F(EditTimeModelTest, TheActiveRecordMovesItsStartWhenItsElapsedTimeIsEdited) {
    const CalTime start = At(2026, 3, 10, 9, 0);
    Put(start, start + kH, kH, 0, RecalcTarget::kElapsed);
    model.Values().times.active = true;
    model.Values().times.elapsed = 2 * kH;
    model.AdjustAfterLeaving(TimeField::kElapsed);
    EXPECT_EQ(model.Values().target, RecalcTarget::kStart);
    EXPECT_EQ(model.Values().times.start, start - kH);
    EXPECT_EQ(model.Values().times.stop, start + kH) << "the clock's stop stays";
}

TEST_F(EditTimeModelTest, MoneyTextsAndTheOwnRate) {
    EXPECT_EQ(model.OwnRateText(), "") << "no own rate shows nothing";
    EXPECT_EQ(model.ExpenseText(), "$0.00");
    model.ReadMoney("$12.50", true, "");
    EXPECT_FLOAT_EQ(model.Values().ownRate, 12.5f);
    EXPECT_EQ(model.Values().expense, 0.0f);
    EXPECT_EQ(model.OwnRateText(), "$12.50");
    model.ReadMoney("$12.50", false, "$1,234.50");
    EXPECT_EQ(model.Values().ownRate, CTimeRec::kNoOwnRate);
    EXPECT_FLOAT_EQ(model.Values().expense, 1234.5f);
    model.ReadMoney("", true, "");
    EXPECT_EQ(model.Values().ownRate, 0.0f) << "an own rate of zero";
}

TEST_F(EditTimeModelTest, LoadAndResultCarryEveryField) {
    CTimeRec record;
    TimeRecValues in;
    in.start = At(2026, 3, 10, 9, 0);
    in.stop = in.start + kH;
    in.elapsed = 50 * kM;
    in.paused = 10 * kM;
    in.notes = "Call";
    in.projectIndex = 2;
    in.categoryIndex = 3;
    in.clientIndex = 4;
    in.ownRate = 30.0f;
    in.expense = 7.5f;
    in.mark = 1;
    ASSERT_EQ(record.SetAll(in), CTimeRec::kOk);
    model.Load(record, false);
    model.Values().target = RecalcTarget::kPaused;
    const TimeRecValues out = model.Result();
    EXPECT_EQ(out.start, in.start);
    EXPECT_EQ(out.stop, in.stop);
    EXPECT_EQ(out.elapsed, in.elapsed);
    EXPECT_EQ(out.paused, in.paused);
    EXPECT_EQ(out.notes, "Call");
    EXPECT_EQ(out.projectIndex, 2);
    EXPECT_EQ(out.categoryIndex, 3);
    EXPECT_EQ(out.clientIndex, 4);
    EXPECT_EQ(out.ownRate, 30.0f);
    EXPECT_EQ(out.expense, 7.5f);
    EXPECT_EQ(out.mark, 1);
    EXPECT_EQ(out.target, RecalcTarget::kPaused);
    EXPECT_TRUE(out.wholeMinutes);
    EXPECT_FALSE(model.Values().times.isPaused) << "only the active record counts as paused";
}

TEST(MoveYearIntoRange, KeepsTimesInsideAndMovesTheYearOfOthers) {
    const CalTime inside = MakeLocalTime({2000, 5, 6, 7, 8, 9});
    EXPECT_EQ(MoveYearIntoRange(inside), inside);
    EXPECT_EQ(MoveYearIntoRange(MakeLocalTime({1975, 12, 31, 23, 59, 59})),
              MakeLocalTime({1980, 12, 31, 23, 59, 59}));
    EXPECT_EQ(MoveYearIntoRange(MakeLocalTime({1976, 2, 29, 3, 14, 7})),
              MakeLocalTime({1980, 2, 29, 3, 14, 7}));
    EXPECT_TRUE(ValidTimeRange().Contains(MoveYearIntoRange(INT32_MIN)));
}

}  // namespace
}  // namespace tw
