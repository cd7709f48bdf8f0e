#include "dialogs/edit_time_rules.h"

namespace tw {

EditTimeControl FirstFocusControl(int column, bool active) {
    if (active && (column == kColStopDate || column == kColStopTime))
        return EditTimeControl::kNotes;
    switch (column) {
        case kColStartDate: return EditTimeControl::kStartDate;
        case kColStartTime: return EditTimeControl::kStartTime;
        case kColStopDate: return EditTimeControl::kStopDate;
        case kColStopTime: return EditTimeControl::kStopTime;
        case kColElapsed: return EditTimeControl::kElapsed;
        case kColPaused: return EditTimeControl::kPaused;
        case kColHourlyRate: return EditTimeControl::kHourlyRate;
        case kColProject: return EditTimeControl::kProject;
        case kColCategory: return EditTimeControl::kCategory;
        case kColClient: return EditTimeControl::kClient;
        case kColExpense: return EditTimeControl::kExpense;
        case kColMark: return EditTimeControl::kMark;
        default: return EditTimeControl::kNotes;
    }
}

RecalcTarget TargetShown(RecalcTarget target, bool active) {
    switch (target) {
        case RecalcTarget::kStart: return RecalcTarget::kStart;
        case RecalcTarget::kStop: return active ? RecalcTarget::kElapsed : RecalcTarget::kStop;
        case RecalcTarget::kPaused: return RecalcTarget::kPaused;
        default: return RecalcTarget::kElapsed;
    }
}

RecalcTarget TargetOfRadios(bool startChecked, bool stopChecked, bool pausedChecked, bool active) {
    if (startChecked) return RecalcTarget::kStart;
    if (stopChecked) return active ? RecalcTarget::kElapsed : RecalcTarget::kStop;
    if (pausedChecked) return RecalcTarget::kPaused;
    return RecalcTarget::kElapsed;
}

bool ChecksOnLeaving(TimeField field, bool active, bool pointerOverCancel) {
    if (pointerOverCancel) return false;
    return !(active && field == TimeField::kStop);
}

}  // namespace tw
