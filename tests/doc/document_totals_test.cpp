// Effective rates, charges and totals of the document.

#include <gtest/gtest.h>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class DocumentTotalsTest : public testing::DocumentTest {
protected:
    // A record of `elapsed` seconds with the given own rate, category and mark.
    CTimeRec* Add(Duration elapsed, float ownRate, int category, int mark = 0) {
        CTimeRec* r = doc.AddRecord();
        r->SetStop(r->GetStart() + elapsed, RecalcTarget::kElapsed, false);
        r->SetOwnRate(ownRate);
        r->SetCategoryIndex(category);
        r->SetMark(mark);
        return r;
    }
    void UseCategoriesAtMinutes() {
        DocumentSettings s = doc.Settings();
        s.rates.rateSource = kCategoryList;
        s.timeDisplay.increment = 1;
        doc.SetSettings(s);
        doc.AddItem(kCategoryList, CProjectCost("Design", 20.0f));
        doc.AddItem(kCategoryList, CProjectCost("Build", 30.0f));
    }

    CWorkmetrDoc doc;
};

TEST_F(DocumentTotalsTest, EffectiveRateFollowsOwnRateThenTheRateSourceList) {
    UseCategoriesAtMinutes();
    const CTimeRec* listRate = Add(5400, -1.0f, 2);
    const CTimeRec* zeroOwn = Add(5400, 0.0f, 2);
    const CTimeRec* badIndex = Add(5400, -1.0f, 9);
    EXPECT_FLOAT_EQ(doc.EffectiveRate(*listRate), 30.0f);
    EXPECT_FLOAT_EQ(doc.ComputeCharge(listRate->GetElapsed(), doc.EffectiveRate(*listRate)), 45.0f);
    EXPECT_FLOAT_EQ(doc.EffectiveRate(*zeroOwn), 0.0f);
    EXPECT_FLOAT_EQ(doc.EffectiveRate(*badIndex), 0.0f);

    ItemList emptied;
    CWorkmetrDoc::CopyItemList(emptied, *doc.GetItemList(kCategoryList));
    emptied[2].reset();
    doc.SetItemList(kCategoryList, emptied);
    EXPECT_FLOAT_EQ(doc.EffectiveRate(*listRate), 0.0f);

    DocumentSettings s = doc.Settings();
    s.rates.rateSource = 5;
    doc.SetSettings(s);
    EXPECT_FLOAT_EQ(doc.EffectiveRate(*zeroOwn), 0.0f);
}

TEST_F(DocumentTotalsTest, TotalsSumRoundedDurationsAndShownCharges) {
    UseCategoriesAtMinutes();
    EXPECT_EQ(doc.TotalMarkedTime(), 0);
    Add(40, 60.0f, 0, 1);
    Add(40, 60.0f, 0);
    Add(5400, -1.0f, 2, 1);
    doc.GetRecord(2)->SetExpense(12.5f);
    doc.GetRecord(1)->SetExpense(2.0f);

    EXPECT_EQ(doc.TotalAllTime(), 60 + 60 + 5400);  // each started minute counts
    EXPECT_EQ(doc.GetTotalAllTime(), 5520);
    EXPECT_EQ(doc.TotalMarkedTime(), 60 + 5400);
    EXPECT_FLOAT_EQ(doc.TotalAllCharge(), 1.0f + 1.0f + 45.0f);
    EXPECT_FLOAT_EQ(doc.TotalMarkedCharge(), 46.0f);
    EXPECT_FLOAT_EQ(doc.TotalAllExpense(), 14.5f);
    EXPECT_FLOAT_EQ(doc.TotalMarkedExpense(), 12.5f);

    for (int i = 0; i < doc.GetRecordCount(); ++i) doc.GetRecord(i)->SetMark(0);
    EXPECT_EQ(doc.TotalMarkedTime(), 0);
    EXPECT_FLOAT_EQ(doc.TotalMarkedCharge(), 0.0f);
}

TEST_F(DocumentTotalsTest, TotalTimeOfAHugeDocumentSaturatesInsteadOfWrapping) {
    for (int i = 0; i < 30; ++i) Add(100000000, 0.0f, 0);  // 30 x 27778 hours
    EXPECT_EQ(doc.TotalAllTime(), INT32_MAX);
}

}  // namespace
}  // namespace tw
