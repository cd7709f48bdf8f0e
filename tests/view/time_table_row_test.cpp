#include "view/time_table_row.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class BuildRowTest : public testing::DocumentTest {
protected:
    // A stopped record of 1 h 30 min from 9:30:14 with 5 minutes paused, booked to `project`.
    CTimeRec& AddRecord(int project) {
        CTimeRec* record = doc.AddRecord();
        TimeRecValues v;
        v.start = MakeLocalTime({2026, 11, 2, 9, 30, 14});
        v.elapsed = 90 * 60;
        v.paused = 5 * 60;
        v.stop = v.start + v.elapsed + v.paused;
        v.projectIndex = project;
        v.expense = 12.5f;
        v.mark = 1;
        v.notes = "Design review";
        record->SetAll(v);
        return *record;
    }

    CWorkmetrDoc doc;
};

TEST_F(BuildRowTest, FillsEveryFieldFromTheRecordAndTheDocumentsFormats) {
    const int project = doc.AddItem(kProjectList, CProjectCost("Website", 80.0f));
    const CTimeRec& record = AddRecord(project);
    const grid::TimeTableRow row = BuildRow(doc, record, 7);
    EXPECT_EQ(row.position, 7);
    EXPECT_EQ(row.startDate, grid::PackDosDate(2026, 11, 2));
    EXPECT_EQ(row.startTime, grid::PackDosTime(9, 30, 14));
    EXPECT_EQ(row.stopDate, grid::PackDosDate(2026, 11, 2));
    EXPECT_EQ(row.stopTime, grid::PackDosTime(11, 5, 14));
    EXPECT_STREQ(row.elapsedTime, doc.Formats().FormatDuration(90 * 60, false).c_str());
    EXPECT_STREQ(row.pausedTime, doc.Formats().FormatDuration(5 * 60, false).c_str());
    EXPECT_STREQ(row.hourlyRate, "$80.00");
    EXPECT_STREQ(row.charge, "$120.00");
    EXPECT_STREQ(row.project, "Website");
    EXPECT_STREQ(row.expense, "$12.50");
    EXPECT_EQ(row.mark, 1);
    EXPECT_STREQ(row.notes, "Design review");
}

TEST_F(BuildRowTest, RowsBuiltWithAMoneyMemoEqualThoseBuiltWithout) {
    const int web = doc.AddItem(kProjectList, CProjectCost("Website", 80.0f));
    const int app = doc.AddItem(kProjectList, CProjectCost("App", 62.5f));
    for (int i = 0; i < 40; ++i) {
        CTimeRec& record = AddRecord(i % 3 == 0 ? web : app);
        record.SetExpense(i % 4 == 0 ? 0.0f : 0.25f * i);
        record.SetOwnRate(i % 5 == 0 ? 99.99f : -1.0f);
    }
    MoneyTextMemo memo;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < doc.GetRecordCount(); ++i) {
            const grid::TimeTableRow plain = BuildRow(doc, *doc.GetRecord(i), i);
            const grid::TimeTableRow memoised = BuildRow(doc, *doc.GetRecord(i), i, &memo);
            EXPECT_STREQ(plain.hourlyRate, memoised.hourlyRate) << i;
            EXPECT_STREQ(plain.charge, memoised.charge) << i;
            EXPECT_STREQ(plain.expense, memoised.expense) << i;
        }
    }
}

TEST_F(BuildRowTest, AnInvalidItemIndexLeavesTheCellEmpty) {
    const CTimeRec& record = AddRecord(55);
    const grid::TimeTableRow row = BuildRow(doc, record, 0);
    EXPECT_STREQ(row.project, "");
}

TEST_F(BuildRowTest, LongTextsAreCutToTheirFields) {
    CTimeRec& record = AddRecord(0);
    record.SetNotes(std::string(300, 'n'));
    const grid::TimeTableRow row = BuildRow(doc, record, 0);
    EXPECT_EQ(std::string(row.notes).size(), 255u);
    EXPECT_EQ(row.notes[255], '\0');
}

}  // namespace
}  // namespace tw
