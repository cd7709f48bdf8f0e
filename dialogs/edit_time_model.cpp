#include "dialogs/edit_time_model.h"

#include "framework/local_time.h"

namespace tw {

namespace {

constexpr int kFirstYear = 1980;  // the years of ValidTimeRange()
constexpr int kLastYear = 2037;

// The target moved off the value the user has just edited, so that the edit stays: a start
// or stop recomputes the elapsed time instead, an elapsed time the stop (the start for the
// active record, whose stop is the clock's). Leaving the paused time keeps the target.
RecalcTarget TargetAfterLeaving(TimeField field, RecalcTarget target, bool active) {
    switch (field) {
        case TimeField::kStart:
            return target == RecalcTarget::kStart ? RecalcTarget::kElapsed : target;
        case TimeField::kStop:
            return target == RecalcTarget::kStop ? RecalcTarget::kElapsed : target;
        case TimeField::kElapsed:
            if (target != RecalcTarget::kElapsed) return target;
            return active ? RecalcTarget::kStart : RecalcTarget::kStop;
        case TimeField::kPaused: return target;
    }
    return target;
}

using AdjustRoutine = void (*)(TimeAdjustValues&, RecalcTarget, bool);

AdjustRoutine RoutineAfterLeaving(TimeField field) {
    switch (field) {
        case TimeField::kStart: return &AdjustAfterStartEdit;
        case TimeField::kStop: return &AdjustAfterStopEdit;
        case TimeField::kElapsed: return &AdjustAfterElapsedEdit;
        case TimeField::kPaused: return &AdjustAfterPausedEdit;
    }
    return &AdjustAfterPausedEdit;
}

}  // namespace

std::string ShownDuration::Show(Duration seconds, const CDisplayFormats& formats) {
    text_ = formats.FormatDuration(seconds, false);
    seconds_ = seconds;
    shown_ = true;
    return text_;
}

bool ShownDuration::Read(const std::string& text, const CDisplayFormats& formats,
                         Duration& seconds) const {
    if (shown_ && text == text_) {
        seconds = seconds_;
        return true;
    }
    Duration parsed = 0;
    if (!formats.ParseDuration(text, formats.Settings().decimalNotation, parsed) || parsed < 0)
        return false;
    seconds = parsed;
    return true;
}

void EditTimeModel::Load(const CTimeRec& record, bool active) {
    EditTimeValues& v = values_;
    v.times = TimeAdjustValues{active,
                               record.GetStart(),
                               record.GetStop(),
                               record.GetElapsed(),
                               record.GetPaused(),
                               active && record.IsPaused(),
                               record.GetPauseBegan(),
                               record.GetPausedBefore()};
    v.items[kProjectList] = record.GetProjectIndex();
    v.items[kCategoryList] = record.GetCategoryIndex();
    v.items[kClientList] = record.GetClientIndex();
    v.ownRate = record.GetOwnRate();
    v.expense = record.GetExpense();
    v.mark = record.GetMark() != 0;
    v.notes = record.GetNotes();
}

std::string EditTimeModel::OwnRateText() const {
    return values_.ownRate == CTimeRec::kNoOwnRate ? std::string()
                                                   : formats_.FormatMoney(values_.ownRate);
}

void EditTimeModel::ReadMoney(const std::string& ownRate, bool ownRateUsed,
                              const std::string& expense) {
    values_.ownRate = ownRateUsed ? formats_.ParseMoney(ownRate) : CTimeRec::kNoOwnRate;
    values_.expense = expense.empty() ? 0.0f : formats_.ParseMoney(expense);
}

EditTimeFailure EditTimeModel::Check(const std::string& pausedText,
                                     const std::string& elapsedText) {
    TimeAdjustValues& t = values_.times;
    if (!pausedShown_.Read(pausedText, formats_, t.paused)) return EditTimeFailure::kPaused;
    if (!elapsedShown_.Read(elapsedText, formats_, t.elapsed)) return EditTimeFailure::kElapsed;
    const TimeRange range = ValidTimeRange();
    if (!range.Contains(t.start)) {
        t.start = MoveYearIntoRange(t.start);
        return EditTimeFailure::kStart;
    }
    if (!range.Contains(t.stop)) {
        t.stop = MoveYearIntoRange(t.stop);
        return EditTimeFailure::kStop;
    }
    return EditTimeFailure::kNone;
}

void EditTimeModel::Recalculate() { AdjustTimes(values_.times, values_.target, WholeMinutes()); }

void EditTimeModel::AdjustAfterLeaving(TimeField field) {
    values_.target = TargetAfterLeaving(field, values_.target, values_.times.active);
    RoutineAfterLeaving(field)(values_.times, values_.target, WholeMinutes());
}

TimeRecValues EditTimeModel::Result() const {
    const EditTimeValues& v = values_;
    TimeRecValues result;
    result.start = v.times.start;
    result.stop = v.times.stop;
    result.elapsed = v.times.elapsed;
    result.paused = v.times.paused;
    result.pauseBegan = v.times.pauseBegan;
    result.pausedBefore = v.times.pausedBefore;
    result.notes = v.notes;
    result.projectIndex = v.items[kProjectList];
    result.categoryIndex = v.items[kCategoryList];
    result.clientIndex = v.items[kClientList];
    result.ownRate = v.ownRate;
    result.expense = v.expense;
    result.mark = v.mark ? 1 : 0;
    result.target = v.target;
    result.wholeMinutes = WholeMinutes();
    return result;
}

CalTime MoveYearIntoRange(CalTime t) {
    const TimeRange range = ValidTimeRange();
    if (range.Contains(t)) return t;
    LocalParts parts = SplitLocalTime(t);
    parts.year = t < range.first ? kFirstYear : kLastYear;
    // The result lies in the range (1980 is a leap year, and no time after the range reaches
    // February); the clamp guards a conversion that cannot place the time.
    return ClampToValidRange(MakeLocalTime(parts));
}

}  // namespace tw
