#pragma once
// The Edit Time dialog's working copy of one record and what the dialog computes on it without
// windows: the duration and money texts it shows and reads back, the checks of its values in
// their order, the time adjustments (Recalculate, Auto Adjust, leaving a time field) and the
// values handed back after OK. Nothing reaches the record itself; the caller applies Result().

#include <string>

#include "doc/display_formats.h"
#include "doc/document_settings.h"
#include "doc/time_adjust.h"
#include "doc/time_rec.h"

namespace tw {

// The first failing check of the dialog's values (kNone: all passed).
enum class EditTimeFailure { kNone, kPaused, kElapsed, kStart, kStop };

// The four time values a user can leave after editing.
enum class TimeField { kStart, kStop, kElapsed, kPaused };

struct EditTimeValues {
    TimeAdjustValues times;  // start, stop, elapsed, paused, the pause and the clock flags:
                             // active is the document's active record, isPaused it paused now
    int items[kItemListCount] = {0, 0, 0};  // project, category and client index
    float ownRate = CTimeRec::kNoOwnRate;
    float expense = 0.0f;
    bool mark = false;
    std::string notes;
    RecalcTarget target = RecalcTarget::kElapsed;
    bool autoAdjust = false;
};

// A duration shown in an edit: the text shown last and the exact seconds behind it. Shown
// durations are rounded to the display increment, so a text the user left alone reads back
// as the exact value; only an edited text is parsed.
class ShownDuration {
public:
    std::string Show(Duration seconds, const CDisplayFormats& formats);
    // False when an edited text is no duration (or a negative one).
    bool Read(const std::string& text, const CDisplayFormats& formats, Duration& seconds) const;

private:
    std::string text_;
    Duration seconds_ = 0;
    bool shown_ = false;
};

class EditTimeModel {
public:
    // `formats`: the document's display formats; they must outlive the model.
    explicit EditTimeModel(const CDisplayFormats& formats) : formats_(formats) {}

    // Attributes
    EditTimeValues& Values() { return values_; }
    const EditTimeValues& Values() const { return values_; }

    // Operations
    // Takes the record's fields; `active`: it is the document's active record.
    void Load(const CTimeRec& record, bool active);
    // The texts the edits show; each duration text is remembered for reading back.
    std::string ShowElapsed() { return elapsedShown_.Show(values_.times.elapsed, formats_); }
    std::string ShowPaused() { return pausedShown_.Show(values_.times.paused, formats_); }
    std::string OwnRateText() const;  // empty without an own rate
    std::string ExpenseText() const { return formats_.FormatMoney(values_.expense); }
    // Reads the money texts: the own rate only when `ownRateUsed`, else none; an empty expense
    // text is 0.
    void ReadMoney(const std::string& ownRate, bool ownRateUsed, const std::string& expense);
    // The checks in their order: the paused text, the elapsed text, the start, the stop. The
    // first failure ends them; what passed before it is taken. A start or stop outside
    // ValidTimeRange() has its year moved to the bound it crossed, month, day and time kept.
    EditTimeFailure Check(const std::string& pausedText, const std::string& elapsedText);
    // AdjustTimes with the dialog's target (Recalculate, Auto Adjust switched on).
    void Recalculate();
    // The adjustment after `field` was edited; the target moves off the edited value first
    // and stays moved.
    void AdjustAfterLeaving(TimeField field);
    // The values for the record's set-all operation.
    TimeRecValues Result() const;

private:
    bool WholeMinutes() const { return IncrementMode(formats_.Settings()) != 0; }

    const CDisplayFormats& formats_;
    EditTimeValues values_;
    ShownDuration elapsedShown_;
    ShownDuration pausedShown_;
};

// A time outside ValidTimeRange() with its year replaced by that of the bound it crossed (1980
// or 2037), month, day and time of day kept; a time inside the range unchanged.
CalTime MoveYearIntoRange(CalTime t);

}  // namespace tw
