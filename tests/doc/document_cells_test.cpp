// Edits of one table cell through the document.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "framework/local_time.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class DocumentCellsTest : public testing::DocumentTest {
protected:
    DocumentCellsTest() {
        doc.SetView(&view);
        doc.SetApplication(&app);
        record = doc.AddRecord();
        record->SetStop(record->GetStart() + 3600, RecalcTarget::kElapsed, false);
        doc.SetModifiedFlag(false);
    }
    CWorkmetrDoc doc;
    RecordingDocumentView view;
    RecordingDocumentApplication app;
    CTimeRec* record;
};

TEST_F(DocumentCellsTest, DateAndTimeCellsCombineWithTheOtherPart) {
    const LocalParts before = SplitLocalTime(record->GetStop());
    app.cellTarget = RecalcTarget::kElapsed;
    ASSERT_TRUE(doc.EditTimeCell(0, kColStopTime, before.hour, 45, 0));
    LocalParts after = SplitLocalTime(record->GetStop());
    EXPECT_EQ(after.minute, 45);
    EXPECT_EQ(after.day, before.day);
    EXPECT_EQ(record->GetElapsed(), record->GetStop() - record->GetStart());
    EXPECT_TRUE(doc.IsModified());

    ASSERT_TRUE(doc.EditDateCell(0, kColStopDate, before.year, before.month, before.day + 1));
    after = SplitLocalTime(record->GetStop());
    EXPECT_EQ(after.minute, 45);
    EXPECT_EQ(after.day, before.day + 1);
    EXPECT_GT(record->GetElapsed(), 86400 - 3600);
    EXPECT_FALSE(doc.EditDateCell(0, kColNotes, 2026, 1, 1));
}

TEST_F(DocumentCellsTest, InvalidDatePartsShowTheirMessageAndChangeNothing) {
    const CalTime start = record->GetStart();
    struct Case {
        int year, month, day;
        const char* message;
    } cases[] = {
        {2026, 4, 31, "There are not that many days in this month."},
        {1979, 1, 1, "Year value cannot be less than 1980"},
        {2026, 13, 1, "Month value cannot be greater than 12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_FALSE(doc.EditDateCell(0, kColStartDate, c.year, c.month, c.day));
        EXPECT_EQ(messages.Last(), c.message);
        EXPECT_EQ(record->GetStart(), start);
    }
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(view.changedRecords.empty());  // the row shows its old value again
}

TEST_F(DocumentCellsTest, TextCellsParseDurationsAndMoney) {
    app.cellTarget = RecalcTarget::kStop;
    ASSERT_TRUE(doc.EditTextCell(0, kColElapsed, "1:30"));
    EXPECT_EQ(record->GetElapsed(), 5400);
    EXPECT_EQ(record->GetStop(), record->GetStart() + 5400);
    ASSERT_TRUE(doc.EditTextCell(0, kColPaused, "0.15"));  // a point counts as the separator
    EXPECT_EQ(record->GetPaused(), 900);
    EXPECT_FALSE(doc.EditTextCell(0, kColElapsed, "90"));
    EXPECT_EQ(record->GetElapsed(), 5400);

    ASSERT_TRUE(doc.EditTextCell(0, kColHourlyRate, "$1,234.50"));
    EXPECT_FLOAT_EQ(record->GetOwnRate(), 1234.5f);
    ASSERT_TRUE(doc.EditTextCell(0, kColExpense, "-5"));
    EXPECT_FLOAT_EQ(record->GetExpense(), 5.0f);
    ASSERT_TRUE(doc.EditTextCell(0, kColNotes, std::string(300, 'x')));
    EXPECT_EQ(record->GetNotes().size(), 255u);
    ASSERT_TRUE(doc.EditTextCell(0, kColClient, "Acme"));
    EXPECT_EQ(doc.FindItemByName(kClientList, "Acme"), record->GetClientIndex());
    EXPECT_FALSE(doc.EditTextCell(0, kColCharge, "5"));
    EXPECT_FALSE(doc.EditTextCell(3, kColNotes, "x"));
    EXPECT_GT(view.totalsRefreshes, 0);
}

TEST_F(DocumentCellsTest, EditTimeValuesUseTheDialogTargetAndTheDisplayIncrement) {
    TimeRecValues v;
    v.start = record->GetStart();
    v.stop = record->GetStart() + 7230;  // 2:00:30
    v.elapsed = 7230;
    v.notes = "from the dialog";
    v.projectIndex = 0;
    app.editTimeTarget = RecalcTarget::kElapsed;
    ASSERT_TRUE(doc.SetRecordValues(0, v));
    EXPECT_EQ(record->GetNotes(), "from the dialog");
    EXPECT_EQ(record->GetElapsed() % 60, 0);  // minute increments drop the seconds
    EXPECT_FALSE(doc.SetRecordValues(2, v));
}

}  // namespace
}  // namespace tw
