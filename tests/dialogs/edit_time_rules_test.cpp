// Rules of the Edit Time dialog's controls: the first focus, the target radio buttons and when
// leaving a time field checks and adjusts.
#include "dialogs/edit_time_rules.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using C = EditTimeControl;
using T = RecalcTarget;

TEST(EditTimeRules, ColumnsWithoutAnEnabledControlFocusTheNotes) {
    EXPECT_EQ(FirstFocusControl(kColCharge, false), C::kNotes);
    EXPECT_EQ(FirstFocusControl(kColMark, false), C::kMark);
    EXPECT_EQ(FirstFocusControl(-1, false), C::kNotes);
    EXPECT_EQ(FirstFocusControl(kColumnCount, false), C::kNotes);
    EXPECT_EQ(FirstFocusControl(kColStopTime, false), C::kStopTime);
    EXPECT_EQ(FirstFocusControl(kColStopDate, true), C::kNotes) << "disabled for the active record";
    EXPECT_EQ(FirstFocusControl(kColStopTime, true), C::kNotes);
}

TEST(EditTimeRules, StopShowsAndReadsAsElapsedForTheActiveRecord) {
    EXPECT_EQ(TargetShown(T::kStop, false), T::kStop);
    EXPECT_EQ(TargetShown(T::kStop, true), T::kElapsed);
    EXPECT_EQ(TargetShown(T::kStart, true), T::kStart);
    EXPECT_EQ(TargetShown(T::kPaused, false), T::kPaused);
    EXPECT_EQ(TargetShown(static_cast<T>(9), false), T::kElapsed);

    EXPECT_EQ(TargetOfRadios(true, true, true, false), T::kStart) << "Start is read first";
    EXPECT_EQ(TargetOfRadios(false, true, true, false), T::kStop);
    EXPECT_EQ(TargetOfRadios(false, true, false, true), T::kElapsed);
    EXPECT_EQ(TargetOfRadios(false, false, true, true), T::kPaused);
    EXPECT_EQ(TargetOfRadios(false, false, false, false), T::kElapsed);
}

TEST(EditTimeRules, LeavingChecksUnlessThePointerIsOverCancelOrTheStopIsTheClocks) {
    for (TimeField f :
         {TimeField::kStart, TimeField::kStop, TimeField::kElapsed, TimeField::kPaused}) {
        EXPECT_TRUE(ChecksOnLeaving(f, false, false));
        EXPECT_FALSE(ChecksOnLeaving(f, false, true));
        EXPECT_FALSE(ChecksOnLeaving(f, true, true));
    }
    EXPECT_FALSE(ChecksOnLeaving(TimeField::kStop, true, false));
    EXPECT_TRUE(ChecksOnLeaving(TimeField::kStart, true, false));
}

}  // namespace
}  // namespace tw
