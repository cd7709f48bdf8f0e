#include "dialogs/record_line.h"

#include <gtest/gtest.h>

#include "tests/dialogs/export_test_document.h"

namespace tw {
namespace {

class RecordLineTest : public testing::ExportDocumentTest {};

TEST_F(RecordLineTest, EveryColumnAsTheTableShowsIt) {
    CTimeRec& r = Add(9, 0, 90, web, "Kick-off", 1, 12.5f);
    RecordLineOptions options;
    options.columns.fill(true);
    std::string line;
    AppendRecordFields(doc, r, options, line);
    EXPECT_EQ(line,
              "11/2/2026\t9:00 AM\t11/2/2026\t10:30 AM\t1:30\t0:00\t$60.00\t$90.00\tWeb\tDesign\t"
              "Acme\t$12.50\tX\tKick-off");
}

TEST_F(RecordLineTest, FixedFormsAndAnOwnRate) {
    CTimeRec& r = Add(13, 5, 30, app);
    r.SetOwnRate(100.0f);
    EXPECT_EQ(RecordFieldText(doc, r, kColStartDate, true), "11/02/2026");
    EXPECT_EQ(RecordFieldText(doc, r, kColStopTime, true), "13:35");
    EXPECT_EQ(RecordFieldText(doc, r, kColStopTime, false), "1:35 PM");
    EXPECT_EQ(RecordFieldText(doc, r, kColHourlyRate, false), "$100.00");
    EXPECT_EQ(RecordFieldText(doc, r, kColCharge, false), "$50.00");
    EXPECT_EQ(RecordFieldText(doc, r, kColClient, false), " ");  // the blank item
    EXPECT_EQ(RecordFieldText(doc, r, kColMark, false), " ");
    EXPECT_EQ(RecordFieldText(doc, r, kColumnCount, false), "");
    EXPECT_EQ(RecordFieldText(doc, r, -1, false), "");
}

TEST_F(RecordLineTest, OnlyTheChosenColumnsWithOneTabBetween) {
    CTimeRec& r = Add(9, 0, 60, web);
    RecordLineOptions options;
    std::string line;
    AppendRecordFields(doc, r, options, line);
    EXPECT_EQ(line, "");  // no column: an empty line
    options.columns[kColElapsed] = options.columns[kColProject] = true;
    options.columns[kColNotes] = true;  // empty notes: the line ends in the tab before them
    AppendRecordFields(doc, r, options, line);
    EXPECT_EQ(line, "1:00\tWeb\t");
}

TEST_F(RecordLineTest, NotesBreaksKeptOrMadeSpaces) {
    CTimeRec& r = Add(9, 0, 60, web, "one\r\ntwo\nthree\rfour");
    RecordLineOptions options;
    options.columns[kColNotes] = true;
    std::string kept, spaced;
    AppendRecordFields(doc, r, options, kept);
    options.notes = NotesBreaks::kAsSpaces;
    AppendRecordFields(doc, r, options, spaced);
    EXPECT_EQ(kept, "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(spaced, "one  two three four");
}

TEST_F(RecordLineTest, ClipboardLineUsesTheExportColumnsAndOneLineFeed) {
    CTimeRec& r = Add(9, 0, 60, web, "a\r\nb");
    ChangeSettings([](DocumentSettings& s) {
        for (ColumnSetting& c : s.columns) c.exported = false;
        s.columns[kColProject].exported = s.columns[kColNotes].exported = true;
        s.exporting.reportsLayout = true;  // the clipboard keeps the table's forms
        s.columns[kColStartDate].exported = true;
    });
    EXPECT_EQ(ClipboardLine(doc, r), "11/2/2026\tWeb\ta  b\n");
}

}  // namespace
}  // namespace tw
