#include <gtest/gtest.h>

#include "grid/dtbl32.h"
#include "view/cell_edit_rules.h"
#include "view/time_table_columns.h"

namespace tw {
namespace {

TEST(TimeTableColumns, NamesMapToDocumentFieldsAndUnknownNamesToMark) {
    EXPECT_EQ(FieldOfColumn("START_DATE"), 0);
    EXPECT_EQ(FieldOfColumn("PROJECT"), 8);
    EXPECT_EQ(FieldOfColumn("NOTES"), 13);
    EXPECT_EQ(FieldOfColumn("MARK"), 12);
    EXPECT_EQ(FieldOfColumn("NO_SUCH"), 13);
    EXPECT_EQ(FieldOfColumn("POSITION"), 13);
    EXPECT_EQ(GridColumnOfName("CHARGE"), 8);
    EXPECT_EQ(GridColumnOfName("charge"), -1);
}

TEST(TimeTableColumns, TableHoldsTypesLengthsAndTitles) {
    EXPECT_EQ(TimeTableColumn(0)->type, 0x83u);
    EXPECT_EQ(TimeTableColumn(1)->type, 0x88u);
    EXPECT_EQ(TimeTableColumn(4)->type, 0x89u);
    EXPECT_EQ(TimeTableColumn(13)->type, 0x94u);
    EXPECT_EQ(TimeTableColumn(14)->maxLength, 256);
    EXPECT_EQ(TimeTableColumn(9)->maxLength, 64);
    EXPECT_FALSE(TimeTableColumn(8)->editable);
    EXPECT_EQ(TimeTableColumn(15), nullptr);
    EXPECT_EQ(TimeTableColumn(-1), nullptr);
    EXPECT_EQ(ColumnTitle(6, ""), "Paused  Time");
    EXPECT_EQ(ColumnTitle(6, "Break"), "Break");
    EXPECT_EQ(ColumnTitle(13, ""), "X");
}

TEST(TimeTableColumns, JustifyAndHideChangeOnlyTheirBits) {
    const unsigned base = 0x04 | 0x40 | 0x200;
    EXPECT_EQ(WithHidden(base, true), base | 0x20);
    EXPECT_EQ(WithHidden(base | 0x20, false), base);
    EXPECT_EQ(WithDataJustify(base, 128), 0x04u | 0x80 | 0x200);
    EXPECT_EQ(WithDataJustify(base, 0), 0x04u | 0x200);
    EXPECT_EQ(WithDataJustify(base, 64), base);
    EXPECT_EQ(WithDataJustify(base, 99), base) << "an unknown code changes nothing";
    EXPECT_EQ(WithHeaderJustify(base, 256), 0x04u | 0x40 | 0x100);
    EXPECT_EQ(WithHeaderJustify(base, 0), 0x04u | 0x40);
    EXPECT_EQ(WithHeaderJustify(base, 64), base);
}

TEST(CellEditRules, F2OpensEditableCellsButNotTheRunningStop) {
    EXPECT_TRUE(CanOpenCellEditor("NOTES", true, false));
    EXPECT_TRUE(CanOpenCellEditor("START_TIME", true, true)) << "the start of a running record";
    EXPECT_TRUE(CanOpenCellEditor("STOP_TIME", true, false));
    EXPECT_FALSE(CanOpenCellEditor("STOP_TIME", true, true));
    EXPECT_FALSE(CanOpenCellEditor("STOP_DATE", false, false)) << "no current row";
    for (const char* never : {"POSITION", "CHARGE", "MARK", ""}) {
        EXPECT_FALSE(CanOpenCellEditor(never, true, false)) << never;
    }
    EXPECT_TRUE(RefusesEditBegin("STOP_DATE", true));
    EXPECT_FALSE(RefusesEditBegin("STOP_DATE", false));
    EXPECT_FALSE(RefusesEditBegin("START_DATE", true));
}

TEST(CellEditRules, TypedDotBecomesColonInTimeCells) {
    EXPECT_EQ(ReplacementForTypedChar("START_TIME", '.', false, ":"), ':');
    EXPECT_EQ(ReplacementForTypedChar("PAUSED_TIME", '.', true, ":"), ':');
    EXPECT_EQ(ReplacementForTypedChar("ELAPSED_TIME", '.', false, ":"), ':');
    EXPECT_EQ(ReplacementForTypedChar("ELAPSED_TIME", '.', true, ":"), 0)
        << "decimal hours keep the dot";
    EXPECT_EQ(ReplacementForTypedChar("STOP_TIME", '.', false, "."), 0);
    EXPECT_EQ(ReplacementForTypedChar("NOTES", '.', false, ":"), 0);
    EXPECT_EQ(ReplacementForTypedChar("START_TIME", '5', false, ":"), 0);
}

TEST(CellEditRules, TwelveWithoutDesignatorBecomesAfternoon) {
    EXPECT_EQ(WithAfternoonDesignator("12:30", "AM", "PM"), "12:30 P");
    EXPECT_EQ(WithAfternoonDesignator("12:30 a", "AM", "PM"), "12:30 a");
    EXPECT_EQ(WithAfternoonDesignator("12:30p", "AM", "PM"), "12:30p");
    EXPECT_EQ(WithAfternoonDesignator("12:30 A", "AM", "PM"), "12:30 A");
    EXPECT_EQ(WithAfternoonDesignator("12:30 P", "AM", "PM"), "12:30 P");
    EXPECT_EQ(WithAfternoonDesignator("11:30", "AM", "PM"), "11:30");
    EXPECT_EQ(WithAfternoonDesignator("12:30", "", ""), "12:30") << "24-hour clock";
    EXPECT_EQ(WithAfternoonDesignator("1", "AM", "PM"), "1");
}

}  // namespace
}  // namespace tw
