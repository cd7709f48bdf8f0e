#include "view/clock_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

TEST(ClockTexts, StateFollowsStoppedThenPaused) {
    EXPECT_EQ(ClockStateOf(true, true), ClockState::kIdle);
    EXPECT_EQ(ClockStateOf(false, false), ClockState::kRunning);
    EXPECT_EQ(ClockStateOf(false, true), ClockState::kPaused);
}

TEST(ClockTexts, CommandTextsByStateAndSelection) {
    EXPECT_STREQ(StartCommandText(ClockState::kIdle, 0), "Start");
    EXPECT_STREQ(StartCommandText(ClockState::kIdle, 1), "Restart");
    EXPECT_STREQ(StartCommandText(ClockState::kIdle, 2), "Start");
    EXPECT_STREQ(StartCommandText(ClockState::kRunning, 1), "Stop");
    EXPECT_STREQ(StartCommandText(ClockState::kPaused, 0), "Stop");
    EXPECT_STREQ(PauseCommandText(ClockState::kPaused), "Resume");
    EXPECT_STREQ(PauseCommandText(ClockState::kRunning), "Pause");
    EXPECT_STREQ(PauseCommandText(ClockState::kIdle), "Pause");
}

TEST(ClockTexts, PicturesByState) {
    EXPECT_EQ(StatusBitmapId(ClockState::kIdle), 164);
    EXPECT_EQ(StatusBitmapId(ClockState::kRunning), 165);
    EXPECT_EQ(StatusBitmapId(ClockState::kPaused), 166);
    EXPECT_EQ(CheckMarkBitmapId(ClockState::kIdle), 169);
    EXPECT_EQ(CheckMarkBitmapId(ClockState::kRunning), 168);
    EXPECT_EQ(CheckMarkBitmapId(ClockState::kPaused), 167);
    EXPECT_EQ(StateIconId(ClockState::kIdle), 189);
    EXPECT_EQ(StateIconId(ClockState::kRunning), 190);
    EXPECT_EQ(StateIconId(ClockState::kPaused), 191);
}

TEST(ClockTexts, LabelsByTotalsMode) {
    EXPECT_STREQ(TotalsLabelsOf(1).time, "Total All Time:");
    EXPECT_STREQ(TotalsLabelsOf(2).charge, "Total Mark Charge:");
    EXPECT_STREQ(TotalsLabelsOf(0).expense, "Total Active Expense:");
    EXPECT_STREQ(TotalsLabelsOf(7).time, "Total Active Time:");
}

TEST(ClockTexts, CaptionsShowTheTotalOnlyWhenThereIsOne) {
    EXPECT_EQ(ChildCaption("Tally1", "01:30", true), "Tally1 - 01:30");
    EXPECT_EQ(ChildCaption("Tally1", "01:30", false), "Tally1");
    EXPECT_EQ(ChildCaption("Tally1", "", true), "Tally1");
    EXPECT_EQ(MainCaption("01:30", "a.tw", "Tallywick"), "01:30 - a.tw - Tallywick");
    EXPECT_EQ(MainCaption("", "a.tw", "Tallywick"), "a.tw - Tallywick");
}

TEST(ClockTexts, ChoiceListSkipsEmptySlotsAndPutsNoTabBeforeSlotZero) {
    EXPECT_EQ(ChoiceListText(std::vector<std::string>{"A", "", "C"}), "A\tC");
    EXPECT_EQ(ChoiceListText(std::vector<std::string>{"", "B", "C"}), "\tB\tC");
    EXPECT_EQ(ChoiceListText(std::vector<std::string>{}), "");
}

}  // namespace
}  // namespace tw
