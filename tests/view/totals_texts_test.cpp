#include "view/totals_texts.h"

#include <gtest/gtest.h>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class TotalsTextsTest : public testing::DocumentTest {
protected:
    // Two stopped records of one hour at $60 (the second marked, with $5 expense).
    TotalsTextsTest() {
        const int project = doc.AddItem(kProjectList, CProjectCost("P", 60.0f));
        for (int i = 0; i < 2; ++i) {
            CTimeRec* r = doc.AddRecord();
            TimeRecValues v;
            v.start = testing::kMonday9am;
            v.elapsed = 3600;
            v.stop = v.start + v.elapsed;
            v.projectIndex = project;
            v.mark = i;
            v.expense = 5.0f * static_cast<float>(i);
            r->SetAll(v);
        }
    }

    CWorkmetrDoc doc;
};

TEST_F(TotalsTextsTest, ActiveModeWhileIdleShowsASingleBlankEverywhere) {
    doc.SetTotalsMode(0);
    const TotalsTexts t = TotalsTextsOf(doc);
    EXPECT_EQ(t.time, " ");
    EXPECT_EQ(t.charge, " ");
    EXPECT_EQ(t.expense, " ");
    EXPECT_EQ(ActiveElapsedText(doc), " ");
}

TEST_F(TotalsTextsTest, AllAndMarkedModesSumTheirRecords) {
    doc.SetTotalsMode(1);
    TotalsTexts t = TotalsTextsOf(doc);
    EXPECT_EQ(t.time, doc.Formats().FormatDuration(7200, false));
    EXPECT_EQ(t.charge, "$120.00");
    EXPECT_EQ(t.expense, "$5.00");
    doc.SetTotalsMode(2);
    t = TotalsTextsOf(doc);
    EXPECT_EQ(t.time, doc.Formats().FormatDuration(3600, false));
    EXPECT_EQ(t.charge, "$60.00");
    EXPECT_EQ(t.expense, "$5.00");
}

TEST_F(TotalsTextsTest, ActiveModeFollowsTheRunningRecord) {
    doc.SetTotalsMode(0);
    ASSERT_NE(doc.StartNewRecord(), nullptr);
    clock.Advance(125);
    doc.TickActiveRecord();
    const TotalsTexts t = TotalsTextsOf(doc);
    EXPECT_EQ(t.time, doc.Formats().FormatDuration(125, false));
    EXPECT_EQ(t.time, ActiveElapsedText(doc));
    EXPECT_EQ(TotalTimeText(doc), t.time);
}

}  // namespace
}  // namespace tw
