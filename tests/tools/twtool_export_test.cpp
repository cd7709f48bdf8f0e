// twtool export and summary run as a child process on documents the test writes: the bytes of
// the export file and the summary's text, and their refusals.

#include <gtest/gtest.h>

#include "tests/dialogs/export_test_document.h"
#include "tests/tools/twtool_run.h"

namespace tw {
namespace {

class TwtoolExportTest : public testing::ExportDocumentTest {
protected:
    // Three records: web 1:30 (marked, notes over two lines), app 0:30, web 0:45 with expense.
    TwtoolExportTest() {
        Add(9, 0, 90, web, "line one\r\nline two", 1);
        Add(11, 0, 30, app, "second");
        Add(13, 0, 45, web, "third", 0, 4.0f);
    }
    std::string Saved(const std::string& name) {
        const std::string path = folder.File(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }
    // Only the given columns exported.
    void ExportColumns(std::initializer_list<int> columns) {
        DocumentSettings s = doc.Settings();
        for (ColumnSetting& c : s.columns) c.exported = false;
        for (int c : columns) s.columns[size_t(c)].exported = true;
        doc.SetSettings(s);
    }
    testing::ToolRun Twtool(std::initializer_list<std::string> args) {
        return testing::RunTwtool(args, folder.Path());
    }
    std::string Read(const std::string& path) { return testing::ReadText(path); }

    testing::TempFolder folder{"tw_twtool_export_"};
};

TEST_F(TwtoolExportTest, ExportsInTheTablesSortedOrderWithHeaderAndTotals) {
    ExportColumns({kColElapsed, kColPaused, kColProject, kColNotes});
    ChangeSettings([](DocumentSettings& s) {
        s.columns[kColNotes].customHeader = "What";
        s.sort[0].use = true;
        s.sort[0].column = 9;  // project, descending: "app" before "Web" reversed
        s.sort[0].ascending = false;
    });
    const std::string out = folder.File("week.txt");
    const testing::ToolRun r = Twtool({"export", Saved("week.tw"), out});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Read(out),
              "Elapsed Time\tPaused  Time\tProject\tWhat\r\n"
              "0:30\t0:00\tapp\tsecond\r\n"
              "1:30\t0:00\tWeb\tline one\r\nline two\r\n"
              "0:45\t0:00\tWeb\tthird\r\n"
              "2:45\t\t\tweek.tw\r\n");
}

TEST_F(TwtoolExportTest, ReportsLayoutOfTheMarkedRecords) {
    ChangeSettings([](DocumentSettings& s) {
        s.exporting = ExportSettings{true, false, false, false, true, true};
    });
    const std::string out = folder.File("v1.txt");
    EXPECT_EQ(Twtool({"export", Saved("v1.tw"), out}).status, 0);
    EXPECT_EQ(
        Read(out),
        "11/02/2026\t09:00\t11/02/2026\t10:30\t1:30\t0:00\t$60.00\t$90.00\tWeb\tDesign\tAcme\t"
        "$0.00\tX\tline one  line two\r\n");
}

TEST_F(TwtoolExportTest, AppendCreatesAMissingFileThenAddsToIt) {
    ExportColumns({kColExpense});
    ChangeSettings([](DocumentSettings& s) {
        s.exporting.newFile = false;
        s.exporting.headerRow = false;
    });
    const std::string in = Saved("append.tw"), out = folder.File("log.txt");
    const std::string once = "$0.00\r\n$0.00\r\n$4.00\r\n$4.00\r\n";
    EXPECT_EQ(Twtool({"export", in, out}).status, 0);
    EXPECT_EQ(Read(out), once);
    EXPECT_EQ(Twtool({"export", in, out}).status, 0);
    EXPECT_EQ(Read(out), once + once);
}

TEST_F(TwtoolExportTest, ErrorsGiveOneLineStatusOneAndLeaveTheOutput) {
    const std::string in = Saved("in.tw"), out = folder.File("kept.txt");
    std::ofstream(out, std::ios::binary) << "kept";
    const std::initializer_list<std::string> failing[] = {
        {"export", folder.File("missing.tw"), out},
        {"export", out, out},  // not a document
        {"export", in, folder.File("no/such/folder.txt")},
        {"export", in},
        {"summary", in, "--by", "team"},
        {"summary", in, "--from", "2026-02-30"},
        {"summary", in, "--to"},
        {"summary", in, "--weekly"},
        {"summary", "--csv"},
    };
    for (const auto& args : failing) {
        const testing::ToolRun r = Twtool(args);
        EXPECT_EQ(r.status, 1) << *(args.begin() + 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("twtool: ", 0), 0u) << r.err;
    }
    EXPECT_EQ(Read(out), "kept");
}

TEST_F(TwtoolExportTest, SummaryPerItemWithTheDocumentsTotals) {
    const std::string in = Saved("sum.tw");
    testing::ToolRun r = Twtool({"summary", in});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Project  Records  Time   Charge  Expense\n"
              "Web            2  2:15  $135.00    $4.00\n"
              "app            1  0:30   $15.00    $0.00\n"
              "Total          3  2:45  $150.00    $4.00\n");
    EXPECT_EQ(doc.Formats().FormatDuration(doc.TotalAllTime(), false), "2:45");
    EXPECT_EQ(doc.Formats().FormatMoney(doc.TotalAllCharge()), "$150.00");

    r = Twtool({"summary", in, "--by", "client", "--csv"});
    EXPECT_EQ(r.out,
              "Client,Records,Time,Charge,Expense\n"
              "(none),1,0:30,$15.00,$0.00\n"
              "Acme,2,2:15,$135.00,$4.00\n"
              "Total,3,2:45,$150.00,$4.00\n");
    r = Twtool({"summary", in, "--marked", "--csv"});
    EXPECT_EQ(r.out,
              "Project,Records,Time,Charge,Expense\nWeb,1,1:30,$90.00,$0.00\n"
              "Total,1,1:30,$90.00,$0.00\n");
    r = Twtool({"summary", in, "--from", "2026-11-03", "--csv"});
    EXPECT_EQ(r.out, "Project,Records,Time,Charge,Expense\nTotal,0,0:00,$0.00,$0.00\n");
    r = Twtool({"summary", in, "--from", "2026-11-02", "--to", "2026-11-02", "--csv"});
    EXPECT_EQ(r.out.substr(r.out.rfind("Total")), "Total,3,2:45,$150.00,$4.00\n");
}

}  // namespace
}  // namespace tw
