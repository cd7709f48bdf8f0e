#include "dialogs/export_writer.h"

#include <gtest/gtest.h>

#include "tests/dialogs/export_test_document.h"

namespace tw {
namespace {

// Collects the bytes; refuses every write after `accept` of them.
class MemoryOutput : public IExportOutput {
public:
    bool Write(const char* data, size_t size) override {
        if (writes++ >= accept) return false;
        bytes.append(data, size);
        return true;
    }
    std::string bytes;
    int writes = 0;
    int accept = 1 << 30;
};

class ExportWriterTest : public testing::ExportDocumentTest {
protected:
    ExportWriterTest() {
        table.titles = testing::kDefaultTitles;
        table.documentTitle = "week.tw";
    }
    // The export with only the given columns on.
    std::string Export(std::initializer_list<int> columns) {
        DocumentSettings s = doc.Settings();
        for (int c = 0; c < kColumnCount; ++c) s.columns[size_t(c)].exported = false;
        for (int c : columns) s.columns[size_t(c)].exported = true;
        doc.SetSettings(s);
        MemoryOutput out;
        EXPECT_TRUE(WriteExport(doc, table, out));
        return out.bytes;
    }
    void InListOrder() {
        table.rows.clear();
        for (int i = 0; i < doc.GetRecordCount(); ++i) table.rows.push_back(i);
    }

    ExportTable table;
};

TEST_F(ExportWriterTest, HeaderRecordsInRowOrderAndTotals) {
    Add(9, 0, 90, web, "first", 0, 2.0f);
    Add(13, 0, 30, app, "second", 1);
    table.rows = {1, 0};
    EXPECT_EQ(Export({kColStartTime, kColElapsed, kColPaused, kColCharge, kColExpense, kColNotes}),
              "Start Time\tElapsed Time\tPaused  Time\tCharge\tExpense\tNotes\r\n"
              "1:00 PM\t0:30\t0:00\t$15.00\t$0.00\tsecond\r\n"
              "9:00 AM\t1:30\t0:00\t$90.00\t$2.00\tfirst\r\n"
              "\t2:00\t\t$105.00\t$2.00\tweek.tw\r\n");
}

TEST_F(ExportWriterTest, MarkedRecordsWithTheirTotalsAndNoOptionalRows) {
    Add(9, 0, 90, web, "", 0, 2.0f);
    Add(13, 0, 30, app, "", 1, 1.0f);
    InListOrder();
    ChangeSettings([](DocumentSettings& s) { s.exporting.allRecords = false; });
    EXPECT_EQ(
        Export({kColElapsed, kColCharge, kColExpense, kColMark}),
        "Elapsed Time\tCharge\tExpense\tX\r\n0:30\t$15.00\t$1.00\tX\r\n0:30\t$15.00\t$1.00\t\r\n");
    ChangeSettings(
        [](DocumentSettings& s) { s.exporting.headerRow = s.exporting.totalsRow = false; });
    EXPECT_EQ(Export({kColElapsed}), "0:30\r\n");
}

TEST_F(ExportWriterTest, NoColumnGivesEmptyLines) {
    Add(9, 0, 60, web);
    Add(10, 0, 60, web);
    InListOrder();
    EXPECT_EQ(Export({}), "\r\n\r\n\r\n\r\n");  // header, two records, totals
}

TEST_F(ExportWriterTest, NotesLineBreaksGoToDiskWithoutDoubledCarriageReturns) {
    Add(9, 0, 60, web, "a\r\nb\nc\rd");
    InListOrder();
    ChangeSettings(
        [](DocumentSettings& s) { s.exporting.headerRow = s.exporting.totalsRow = false; });
    EXPECT_EQ(Export({kColNotes}), "a\r\nb\r\nc\rd\r\n");
    ChangeSettings([](DocumentSettings& s) { s.exporting.removeCarriageReturns = true; });
    EXPECT_EQ(Export({kColNotes}), "a  b c d\r\n");
}

TEST_F(ExportWriterTest, ReportsLayoutUsesTheFixedDateAndTimeForms) {
    Add(14, 7, 60, web);
    InListOrder();
    ChangeSettings([](DocumentSettings& s) {
        s.exporting.reportsLayout = true;
        s.exporting.headerRow = s.exporting.totalsRow = false;
    });
    EXPECT_EQ(Export({kColStartDate, kColStartTime, kColStopDate, kColStopTime}),
              "11/02/2026\t14:07\t11/02/2026\t15:07\r\n");
}

TEST_F(ExportWriterTest, RowsWithoutARecordAreLeftOut) {
    Add(9, 0, 60, web);
    table.rows = {-1, 0, 7};
    ChangeSettings(
        [](DocumentSettings& s) { s.exporting.headerRow = s.exporting.totalsRow = false; });
    EXPECT_EQ(Export({kColProject}), "Web\r\n");
}

TEST_F(ExportWriterTest, ARefusedWriteFailsTheExport) {
    for (int i = 0; i < 3000; ++i) Add(9, 0, 60, web, std::string(40, 'n'));
    InListOrder();
    MemoryOutput out;
    out.accept = 1;  // the first block only
    EXPECT_FALSE(WriteExport(doc, table, out));
    EXPECT_EQ(out.writes, 2);
    MemoryOutput none;
    none.accept = 0;
    table.rows.clear();
    EXPECT_FALSE(WriteExport(doc, table, none));  // even the last, short block counts
}

TEST(AppendDiskLine, LineFeedsGetOneCarriageReturn) {
    const struct {
        const char* line;
        const char* disk;
    } cases[] = {
        {"", "\r\n"},
        {"a\nb", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"\n\n", "\r\n\r\n\r\n"},
        {"a\r", "a\r\r\n"},
        {"\r\r\n", "\r\r\n\r\n"},
    };
    for (const auto& c : cases) {
        std::string disk;
        AppendDiskLine(c.line, disk);
        EXPECT_EQ(disk, c.disk) << c.line;
    }
}

}  // namespace
}  // namespace tw
