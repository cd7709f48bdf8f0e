#include "dialogs/print_page_layout.h"

#include <gtest/gtest.h>

#include "dialogs/print_choices.h"
#include "tests/dialogs/export_test_document.h"
#include "tests/dialogs/fixed_pitch_measurer.h"

namespace tw {
namespace {

// A 600 dpi letter page with a font 100 pixels high and 60 wide: margins of 300 pixels.
class PrintPageLayoutTest : public testing::ExportDocumentTest {
protected:
    PrintPageLayoutTest() {
        table.titles = testing::kDefaultTitles;
        table.documentTitle = "week.tw";
    }

    std::vector<PrintDrawOp> Page(int page) {
        table.rows.clear();
        for (int r = 0; r < doc.GetRecordCount(); ++r) table.rows.push_back(r);
        metrics = ComputePageMetrics({600, 600, 5100, 6600, 100, 60}, doc.Settings().printing);
        testing::FixedPitchMeasurer measurer(60, 100);
        counts = RowLineCounts(doc, table.rows, metrics, measurer);
        const PrintSettings& p = doc.Settings().printing;
        pages = Paginate(counts, metrics.linesPerPage, p.blankLineBetween, p.totals);
        return LayoutPage(PrintJob{doc, table, counts, pages, PrintTexts{}}, metrics, page);
    }
    // The operation drawing `text`, or a default one.
    static PrintDrawOp Find(const std::vector<PrintDrawOp>& ops, const std::string& text) {
        for (const PrintDrawOp& op : ops)
            if (op.text == text) return op;
        return PrintDrawOp{};
    }
    void OnlyColumns(std::initializer_list<int> columns) {
        DocumentSettings s = doc.Settings();
        for (ColumnSetting& c : s.columns) c.printed = false;
        for (int c : columns) s.columns[size_t(c)].printed = true;
        doc.SetSettings(s);
    }

    ExportTable table;
    PageMetrics metrics;
    std::vector<int> counts;
    Pagination pages;
};

TEST_F(PrintPageLayoutTest, HeaderPageNumberAndColumnNames) {
    Add(9, 0, 30, web);
    const std::vector<PrintDrawOp> ops = Page(0);
    // Centred on 75 characters: (37 - 3) characters from the page's left edge.
    EXPECT_EQ(Find(ops, "week.tw"),
              (PrintDrawOp{PrintDrawOp::kText, 34 * 60, 300, 0, 0, "week.tw"}));
    EXPECT_EQ(Find(ops, "Page 1"), (PrintDrawOp{PrintDrawOp::kText, 900, 6200, 0, 0, "Page 1"}));
    EXPECT_EQ(Find(ops, "Start Date").y, 500);
    EXPECT_EQ(Find(ops, "Elapsed Time").x, 300 + 44 * 60);
    EXPECT_EQ(Find(ops, "Notes").text, "");  // the notes go on the lines below
    ChangeSettings([](DocumentSettings& s) {
        s.printing.customHeader = true;
        s.printing.customHeaderText = "Hours";
        s.printing.notesOnNextLine = false;
    });
    EXPECT_EQ(Find(Page(0), "Hours").y, 300);
    EXPECT_EQ(Find(Page(0), "Notes").x, 300 + (4 * 11 + 2 * 14 + 6 * 15 + 7) * 60);
}

TEST_F(PrintPageLayoutTest, ItemsAreCutTo14CharactersAndKeepTheirColumns) {
    const int longName = doc.AddItem(kProjectList, CProjectCost("Twenty characters!!!", 0.0f));
    Add(9, 0, 30, longName);
    Add(10, 0, 30, 0, "", 1);  // no project, but a category
    const std::vector<PrintDrawOp> ops = Page(0);
    const int projectX = 300 + (4 * 11 + 2 * 14 + 2 * 15) * 60;
    EXPECT_EQ(Find(ops, "Twenty charact"),
              (PrintDrawOp{PrintDrawOp::kText, projectX, 700, 0, 0, "Twenty charact"}));
    EXPECT_EQ(Find(ops, "Design").x, projectX + 15 * 60);
    int designs = 0;
    for (const PrintDrawOp& op : ops)
        if (op.text == "Design" && op.x == projectX + 15 * 60) ++designs;
    EXPECT_EQ(designs, 2);
    EXPECT_EQ(Find(ops, "  X  ").y, 800);
}

TEST_F(PrintPageLayoutTest, NotesWrapBelowTheirRecordAndTotalsEndTheLastPage) {
    Add(9, 0, 60, web, std::string(100, 'w'), 0, 2.5f);  // 75 characters a line: 2 lines
    Add(10, 0, 30, app, "", 0, 5.0f);
    const std::vector<PrintDrawOp> ops = Page(0);
    EXPECT_EQ(Find(ops, std::string(100, 'w')), (PrintDrawOp{PrintDrawOp::kWrappedText, 300, 800,
                                                             4800, 1000, std::string(100, 'w')}));
    EXPECT_EQ(Find(ops, "TOTAL"), (PrintDrawOp{PrintDrawOp::kText, 300, 1200, 0, 0, "TOTAL"}));
    EXPECT_EQ(Find(ops, "$75.00").x, 300 + (4 * 11 + 2 * 14 + 15) * 60);
    EXPECT_EQ(Find(ops, "$7.50").y, 1200);
    // Without date and time columns the word follows the expense column.
    OnlyColumns({kColElapsed, kColExpense});
    EXPECT_EQ(Find(Page(0), "TOTAL").x, 300 + 29 * 60);
}

TEST_F(PrintPageLayoutTest, ThePageAfterAFullOneHoldsOnlyHeaderNamesAndTotals) {
    for (int i = 0; i < 54; ++i) Add(9, 0, 1, web);
    Page(0);
    ASSERT_EQ(pages.PageCount(), 2);
    const std::vector<PrintDrawOp> ops = Page(1);
    EXPECT_EQ(Find(ops, "Page 2").x, 900);
    EXPECT_EQ(Find(ops, "Start Date").y, 500);
    EXPECT_EQ(Find(ops, "TOTAL").y, 800);
    for (const PrintDrawOp& op : ops) EXPECT_NE(op.text, "Web");
    EXPECT_TRUE(LayoutPage(PrintJob{doc, table, counts, pages, PrintTexts{}}, metrics, 2).empty());
}

TEST_F(PrintPageLayoutTest, NothingSelectedWhenOnlyEmptyDataWouldPrint) {
    DocumentSettings s = doc.Settings();
    EXPECT_FALSE(NothingSelectedToPrint(s, 0));
    s.printing.pageHeader = s.printing.columnNames = s.printing.totals = false;
    EXPECT_TRUE(NothingSelectedToPrint(s, 0));
    EXPECT_FALSE(NothingSelectedToPrint(s, 3));
    for (ColumnSetting& c : s.columns) c.printed = false;
    EXPECT_TRUE(NothingSelectedToPrint(s, 3));
}

TEST(PrintChoicesTest, OkEmptiesTheCustomTextWhenTheFileNameIsTheHeader) {
    DocumentSettings s;
    s.printing.customHeaderText = "typed earlier";
    s.columns[kColMark].printed = false;
    PrintChoices choices = PrintChoicesOf(s);
    EXPECT_FALSE(choices.columns[kColMark]);
    EXPECT_EQ(StoredPrintChoices(choices).options.customHeaderText, "");
    choices.options.customHeader = true;
    choices.columns[kColMark] = true;
    TakePrintChoices(s, StoredPrintChoices(choices));
    EXPECT_EQ(s.printing.customHeaderText, "typed earlier");
    EXPECT_TRUE(s.columns[kColMark].printed);
}

}  // namespace
}  // namespace tw
