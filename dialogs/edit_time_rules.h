#pragma once
// Rules of the Edit Time dialog's controls that need no window: which control takes the first
// focus, which target radio button is checked and what the radio buttons read back, and when
// leaving a time field runs the checks and the adjustment.

#include "dialogs/edit_time_model.h"

namespace tw {

// The dialog's editing controls, in table column order.
enum class EditTimeControl {
    kStartDate,
    kStartTime,
    kStopDate,
    kStopTime,
    kElapsed,
    kPaused,
    kHourlyRate,
    kProject,
    kCategory,
    kClient,
    kExpense,
    kMark,
    kNotes,
};

// The control that takes the first focus for the table column being edited: the column's own
// control; the notes for the charge and notes columns and any other value. The stop controls
// of the active record are disabled, so their columns also focus the notes.
EditTimeControl FirstFocusControl(int column, bool active);

// The radio button a target checks: Stop shows as Elapsed for the active record, a value out
// of 0..3 as Elapsed.
RecalcTarget TargetShown(RecalcTarget target, bool active);

// The target the radio buttons read back: Start when checked, else Stop, else Paused, else
// Elapsed; Stop becomes Elapsed for the active record.
RecalcTarget TargetOfRadios(bool startChecked, bool stopChecked, bool pausedChecked, bool active);

// Whether leaving `field` runs the checks and the adjustment: not when the pointer of the
// message that moved the focus lies over Cancel or Cancel Remaining, nor for the stop of the
// active record (its controls are disabled; the clock sets it).
bool ChecksOnLeaving(TimeField field, bool active, bool pointerOverCancel);

}  // namespace tw
