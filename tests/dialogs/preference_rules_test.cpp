// The rules between the controls of the preference pages: time adjust lists, auto-save, time
// display and the column settings' working copy.
#include <gtest/gtest.h>

#include "dialogs/auto_save_choice.h"
#include "dialogs/column_settings_editor.h"
#include "dialogs/time_adjust_choices.h"
#include "dialogs/time_display_choice.h"

namespace tw {
namespace {

TEST(TimeAdjustChoices, EachListOffersTheThreeOtherValuesAndDefaultsAreInThem) {
    const AdjustChoices defaults = DefaultAdjustChoices();
    const RecalcTarget edited[kAdjustRowCount] = {RecalcTarget::kStart, RecalcTarget::kStop,
                                                  RecalcTarget::kElapsed, RecalcTarget::kPaused};
    for (int row = 0; row < kAdjustRowCount; ++row) {
        EXPECT_EQ(AdjustEntryIndex(row, edited[row]), -1) << "row " << row;
        EXPECT_GE(AdjustEntryIndex(row, defaults[row]), 0) << "row " << row;
    }
    EXPECT_EQ(AdjustEntriesOf(kAdjustStart)[0], RecalcTarget::kPaused);
    EXPECT_EQ(AdjustEntriesOf(kAdjustElapsed)[2], RecalcTarget::kPaused);
    EXPECT_EQ(defaults[kAdjustElapsed], RecalcTarget::kStop);
    EXPECT_EQ(AdjustEntryIndex(7, RecalcTarget::kStop), -1);
    EXPECT_EQ(&AdjustEntriesOf(-1), &AdjustEntriesOf(kAdjustStart));
}

TEST(AutoSaveChoice, OnlyWhatChangedIsTakenAndMinutesWhileOffAreDiscarded) {
    AutoSaveChange c = AutoSaveChangeOf(false, 10, false, 25);
    EXPECT_EQ(c.timer, AutoSaveTimerAction::kNone);
    EXPECT_FALSE(c.writeFlag);
    EXPECT_FALSE(c.takeMinutes);

    c = AutoSaveChangeOf(false, 10, true, 10);
    EXPECT_EQ(c.timer, AutoSaveTimerAction::kStart);
    EXPECT_TRUE(c.writeFlag);
    EXPECT_TRUE(c.takeMinutes);

    c = AutoSaveChangeOf(true, 10, false, 10);
    EXPECT_EQ(c.timer, AutoSaveTimerAction::kStop);
    EXPECT_TRUE(c.writeFlag);

    c = AutoSaveChangeOf(true, 10, true, 15);
    EXPECT_EQ(c.timer, AutoSaveTimerAction::kRestart);
    EXPECT_FALSE(c.writeFlag);
    EXPECT_TRUE(c.takeMinutes);

    c = AutoSaveChangeOf(true, 10, true, 10);
    EXPECT_EQ(c.timer, AutoSaveTimerAction::kNone);
    EXPECT_FALSE(c.takeMinutes);

    EXPECT_EQ(MinAutoSaveMinutes(true), 1) << "on with 0 minutes would save only once";
    EXPECT_EQ(MinAutoSaveMinutes(false), 0);
}

TEST(TimeDisplayChoice, DecimalNotationAndTheCountFollowTheIncrement) {
    for (int increment = 0; increment < kIncrementChoiceCount; ++increment) {
        EXPECT_EQ(DecimalNotationAllowed(increment), increment >= 2) << increment;
        EXPECT_EQ(HundredthsEditable(increment), increment == 4) << increment;
    }
    TimeDisplaySettings shown;
    shown.increment = 3;
    shown.decimalNotation = true;
    shown.hundredths = 20;
    const TimeDisplaySettings second = ChosenTimeDisplay(shown, 0, true, 20);
    EXPECT_EQ(second.increment, 0);
    EXPECT_FALSE(second.decimalNotation) << "1 second clears decimal notation";
    EXPECT_TRUE(ChosenTimeDisplay(shown, 2, true, 20).decimalNotation);
    EXPECT_EQ(ChosenTimeDisplay(shown, 4, false, 50).hundredths, 50);
    EXPECT_EQ(ChosenTimeDisplay(shown, 1, false, 500).hundredths, 20)
        << "a count that cannot be edited is kept";
}

TEST(TimeDisplayChoice, StoredValuesOutOfRangeShowAsTheDocumentUsesThem) {
    TimeDisplaySettings stored;
    stored.increment = 9;
    stored.decimalNotation = true;
    stored.hundredths = 0;
    TimeDisplaySettings shown = ShownTimeDisplay(stored);
    EXPECT_EQ(shown.increment, 1);
    EXPECT_FALSE(shown.decimalNotation);
    EXPECT_EQ(shown.hundredths, kHundredthsMin);
    stored.increment = 4;
    stored.hundredths = 1000;
    shown = ShownTimeDisplay(stored);
    EXPECT_TRUE(shown.decimalNotation);
    EXPECT_EQ(shown.hundredths, kHundredthsMax);
}

TEST(ColumnControlsRead, RadiosReadInTheirOrderOfPrecedence) {
    ColumnControls c;
    EXPECT_EQ(DataJustifyOf(c), 0x80) << "no data radio reads as Right";
    EXPECT_EQ(HeaderJustifyOf(c), 0x100) << "no header radio reads as Center";
    c.dataLeft = c.dataCenter = true;
    c.headerLeft = c.headerRight = true;
    EXPECT_EQ(DataJustifyOf(c), 0x40);
    EXPECT_EQ(HeaderJustifyOf(c), 0);
    c = ControlsOf(DocumentSettings::DefaultColumns()[kColCharge]);
    EXPECT_TRUE(c.dataRight);
    EXPECT_TRUE(c.headerCenter);
    EXPECT_FALSE(c.dataLeft || c.dataCenter || c.headerLeft || c.headerRight);
}

TEST(ColumnSettingsEditor, AHeaderTextTypedSurvivesAVisitToAnotherColumn) {
    ColumnSettingsEditor editor(DocumentSettings::DefaultColumns());
    ColumnControls shown = editor.Switch(ControlsOf(editor.Columns()[0]), kColCharge);
    EXPECT_EQ(editor.Current(), kColCharge);
    shown.headerText = "Fee";
    shown.hidden = true;
    shown = editor.Switch(shown, kColNotes);
    EXPECT_EQ(shown.headerText, "");
    shown = editor.Switch(shown, kColCharge);
    EXPECT_EQ(shown.headerText, "Fee");
    EXPECT_TRUE(shown.hidden);
    shown = editor.Switch(shown, kColumnCount);
    EXPECT_EQ(editor.Current(), kColCharge) << "an index out of range keeps the column";

    const std::vector<ColumnChange> changes =
        ColumnChanges(DocumentSettings::DefaultColumns(), editor.Columns());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].column, kColCharge);
    EXPECT_TRUE(changes[0].hidden && changes[0].headerText);
    EXPECT_FALSE(changes[0].dataJustify || changes[0].headerJustify);
}

TEST(ColumnSettingsEditor, SetToDefaultsOnTheMarkColumnGivesCenterAndCenter) {
    ColumnSettings columns = DocumentSettings::DefaultColumns();
    columns[kColMark].hidden = true;
    columns[kColMark].dataJustify = 0x80;
    columns[kColMark].headerJustify = 0x200;
    columns[kColMark].customHeader = "M";
    columns[kColMark].width = 77;
    ColumnSettingsEditor editor(columns);
    editor.Switch(ControlsOf(columns[0]), kColMark);
    const ColumnControls reset = editor.ResetCurrent();
    EXPECT_TRUE(reset.dataCenter && reset.headerCenter);
    EXPECT_FALSE(reset.hidden);
    EXPECT_EQ(reset.headerText, "");
    EXPECT_EQ(editor.Columns()[kColMark].width, 77) << "the width is no column setting here";
    EXPECT_EQ(ColumnChanges(DocumentSettings::DefaultColumns(), editor.Columns()).size(), 0u);
}

}  // namespace
}  // namespace tw
