#include "dialogs/print_pagination.h"

#include <gtest/gtest.h>

#include "dialogs/print_page_metrics.h"
#include "tests/dialogs/export_test_document.h"
#include "tests/dialogs/fixed_pitch_measurer.h"

namespace tw {
namespace {

using Rows = std::vector<int>;

TEST(PrintPaginationTest, TwelveRecordsOfFourLinesPutFiveOnATwentyLinePage) {
    const Pagination pages = Paginate(Rows(12, 4), 20, false, true);
    EXPECT_EQ(pages.firstRows, Rows({0, 5, 10}));
    EXPECT_EQ(pages.RowsOfPage(2), std::make_pair(10, 12));
}

TEST(PrintPaginationTest, AFullLastPageAddsAPageForTheTotals) {
    const Pagination pages = Paginate(Rows(10, 4), 20, false, true);
    EXPECT_EQ(pages.firstRows, Rows({0, 5, 10}));
    EXPECT_EQ(pages.RowsOfPage(2), std::make_pair(10, 10));
    // Two lines free are enough; without totals no page is added.
    EXPECT_EQ(Paginate(Rows(9, 2), 20, false, true).PageCount(), 1);
    EXPECT_EQ(Paginate(Rows(10, 4), 20, false, false).PageCount(), 2);
}

TEST(PrintPaginationTest, BlankLinesCountAfterEachPrintedRow) {
    EXPECT_EQ(Paginate(Rows(8, 4), 20, true, false).firstRows, Rows({0, 4}));
    EXPECT_EQ(Paginate(Rows({4, 0, 0, 4, 4, 4, 4}), 20, true, false).firstRows, Rows({0, 6}));
}

TEST(PrintPaginationTest, ARowTallerThanAPageTakesAPageWithoutAnEmptyOneBefore) {
    EXPECT_EQ(Paginate(Rows({30, 1}), 20, false, false).firstRows, Rows({0, 1}));
    EXPECT_EQ(Paginate(Rows({1, 30, 1}), 20, false, false).firstRows, Rows({0, 1, 2}));
    // Rows that print nothing never start a page of their own.
    EXPECT_EQ(Paginate(Rows({0, 30, 0, 0}), 20, false, false).firstRows, Rows({0}));
}

TEST(PrintPaginationTest, APageHoldsAtLeastOneLine) {
    EXPECT_EQ(Paginate(Rows(3, 1), 0, false, false).firstRows, Rows({0, 1, 2}));
    EXPECT_EQ(Paginate(Rows(2, 1), -5, false, true).firstRows, Rows({0, 1, 2}));
}

TEST(PrintPaginationTest, NoRowsNoPages) {
    const Pagination pages = Paginate({}, 20, false, true);
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(pages.RowsOfPage(0), std::make_pair(0, 0));
}

TEST(PrintPageMetricsTest, MarginsHeaderAndColumnNamesShapeThePrintableArea) {
    const PrintDevice device{600, 600, 5100, 6600, 100, 60};
    PrintSettings settings;
    PageMetrics m = ComputePageMetrics(device, settings);
    EXPECT_EQ(m.leftMargin, 300);
    EXPECT_EQ(m.topMargin, 300);
    EXPECT_EQ(m.charsPerLine, 75);
    EXPECT_EQ(m.printTop, 700);
    EXPECT_EQ(m.printBottom, 6100);
    EXPECT_EQ(m.linesPerPage, 54);
    settings.pageHeader = settings.columnNames = false;
    m = ComputePageMetrics(device, settings);
    EXPECT_EQ(m.printTop, 300);
    EXPECT_EQ(m.linesPerPage, 60);
}

TEST(PrintPageMetricsTest, AFontTallerThanThePageStillGivesOneLine) {
    const PageMetrics m = ComputePageMetrics({600, 600, 5100, 6600, 9000, 0}, PrintSettings{});
    EXPECT_EQ(m.linesPerPage, 1);
    EXPECT_EQ(m.charWidth, 1);
}

class RowLineCountTest : public testing::ExportDocumentTest {
protected:
    std::vector<int> Counts() {
        PrintDevice device{100, 100, 1100, 1000, 10, 10};  // 1000 pixels between the margins
        const PageMetrics m = ComputePageMetrics(device, doc.Settings().printing);
        testing::FixedPitchMeasurer measurer(10, 10);
        return RowLineCounts(doc, {0, 1, 2, 7}, m, measurer);
    }
};

TEST_F(RowLineCountTest, NotesOnTheNextLinesAddTheirWrappedLines) {
    Add(9, 0, 30, web, std::string(250, 'n'));  // 100 characters a line: 3 lines
    Add(10, 0, 30, web, "", 1);
    Add(11, 0, 30, web, "one\ntwo");
    EXPECT_EQ(Counts(), std::vector<int>({4, 1, 3, 0}));  // row 7 has no record
    ChangeSettings([](DocumentSettings& s) { s.printing.notesOnNextLine = false; });
    EXPECT_EQ(Counts(), std::vector<int>({1, 1, 1, 0}));
    ChangeSettings([](DocumentSettings& s) {
        s.printing.notesOnNextLine = true;
        s.columns[kColNotes].printed = false;
        s.printing.allRecords = false;
    });
    EXPECT_EQ(Counts(), std::vector<int>({0, 1, 0, 0}));
}

}  // namespace
}  // namespace tw
