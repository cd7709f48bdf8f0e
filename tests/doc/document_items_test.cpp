// The document's item lists and booking a record by a typed name.

#include <gtest/gtest.h>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "doc/project_cost.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class DocumentItemsTest : public testing::DocumentTest {
protected:
    DocumentItemsTest() { doc.SetView(&view); }
    CWorkmetrDoc doc;
    RecordingDocumentView view;
};

TEST_F(DocumentItemsTest, NewDocumentHoldsOneBlankItemPerList) {
    for (int type = 0; type < 3; ++type) {
        ASSERT_EQ(doc.GetItemList(type)->size(), 1u);
        std::string text;
        EXPECT_TRUE(doc.GetItemDisplayText(type, 0, text));
        EXPECT_EQ(text, " ");
    }
    EXPECT_EQ(doc.GetItemList(3), nullptr);
    EXPECT_EQ(doc.AddItem(-1, CProjectCost()), -1);
    EXPECT_FALSE(doc.IsValidItemIndex(3, 0));
    EXPECT_EQ(doc.FindItemByName(7, " "), -1);
}

TEST_F(DocumentItemsTest, SlotsKeepTheirIndexAndEmptySlotsAreReused) {
    for (const char* name : {"A", "B", "C", "D"})
        doc.AddItem(kClientList, CProjectCost(name, 1.0f));
    ItemList edited;
    CWorkmetrDoc::CopyItemList(edited, *doc.GetItemList(kClientList));
    edited[3].reset();
    doc.SetItemList(kClientList, edited);
    EXPECT_FALSE(doc.IsValidItemIndex(kClientList, 3));
    std::string text = "stale";
    EXPECT_FALSE(doc.GetItemDisplayText(kClientList, 3, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(doc.FindItemByName(kClientList, "D"), 4);
    EXPECT_EQ(doc.AddItem(kClientList, CProjectCost("E", 2.0f)), 3);
    EXPECT_EQ(doc.AddItem(kClientList, CProjectCost("F", 2.0f)), 5);
    EXPECT_GE(view.listRefreshes, 1);
}

TEST_F(DocumentItemsTest, DisplayTextShowsTheRateOnlyForTheRateSourceWhenAsked) {
    doc.AddItem(kProjectList, CProjectCost("Site", 10.0f));
    doc.AddItem(kProjectList, CProjectCost("Web", 40.0f));
    doc.AddItem(kCategoryList, CProjectCost("Web", 40.0f));
    DocumentSettings s = doc.Settings();
    s.rates.includeRatesInMenu = true;
    doc.SetSettings(s);
    std::string text;
    doc.GetItemDisplayText(kProjectList, 2, text);
    EXPECT_EQ(text, "Web ($40.00)");
    doc.GetItemDisplayText(kProjectList, 0, text);
    EXPECT_EQ(text, " ");
    doc.GetItemDisplayText(kCategoryList, 1, text);
    EXPECT_EQ(text, "Web");
}

TEST_F(DocumentItemsTest, BookingByNameMatchesDisplayTextsOrAddsAnItem) {
    doc.AddItem(kProjectList, CProjectCost("Web", 40.0f));
    DocumentSettings s = doc.Settings();
    s.rates.includeRatesInMenu = true;
    doc.SetSettings(s);
    doc.AddRecord();
    doc.SetModifiedFlag(false);

    EXPECT_TRUE(doc.BookRecordByName(0, kProjectList, "Web ($40.00)"));
    EXPECT_EQ(doc.GetRecord(0)->GetProjectIndex(), 1);
    EXPECT_TRUE(doc.IsModified());
    const std::string longName(70, 'n');  // a typed name is taken whole
    struct Case {
        const char* typed;
        int list;
        int index;
    } cases[] = {{"web", kProjectList, 2}, {"Web", kProjectList, 3}, {" ", kClientList, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(doc.BookRecordByName(0, c.list, c.typed));
        EXPECT_EQ(c.list == kProjectList ? doc.GetRecord(0)->GetProjectIndex()
                                         : doc.GetRecord(0)->GetClientIndex(),
                  c.index);
    }
    EXPECT_EQ(doc.FindItemByName(kProjectList, "web"), 2);
    EXPECT_TRUE(doc.BookRecordByName(0, kCategoryList, longName));
    EXPECT_EQ((*doc.GetItemList(kCategoryList))[1]->GetName(), longName);
    EXPECT_FALSE(doc.BookRecordByName(4, kProjectList, "Web"));
    EXPECT_FALSE(doc.BookRecordByName(0, 3, "Web"));
}

TEST_F(DocumentItemsTest, ClearingReferencesRebooksRecordsDefaultsAndTemplate) {
    doc.AddItem(kCategoryList, CProjectCost("Design", 20.0f));
    doc.AddItem(kCategoryList, CProjectCost("Build", 30.0f));
    DocumentSettings s = doc.Settings();
    s.defaults.category = 2;
    doc.SetSettings(s);
    CTimeRec* a = doc.AddRecord();  // booked to 2 by the defaults
    CTimeRec* b = doc.AddRecord();
    b->SetCategoryIndex(1);
    doc.AddRecord()->SetCategoryIndex(2);
    doc.RemoveRecord(2);  // the template now refers to 2 as well
    EXPECT_TRUE(doc.IsItemUsed(kCategoryList, 2));
    EXPECT_FALSE(doc.IsItemUsed(kProjectList, 2));
    EXPECT_FALSE(doc.IsItemUsed(9, 2));
    doc.ClearItemReferences(kCategoryList, 2);
    EXPECT_EQ(a->GetCategoryIndex(), 0);
    EXPECT_EQ(b->GetCategoryIndex(), 1);
    EXPECT_EQ(doc.GetTemplateRecord().GetCategoryIndex(), 0);
    EXPECT_EQ(doc.Settings().defaults.category, 0);
    EXPECT_FALSE(doc.IsItemUsed(kCategoryList, 2));
}

TEST_F(DocumentItemsTest, CopyItemListCopiesSlotBySlot) {
    ItemList source;
    source.push_back(std::make_unique<CProjectCost>());
    source.push_back(nullptr);
    source.push_back(std::make_unique<CProjectCost>("X", 5.0f));
    ItemList destination;
    destination.push_back(std::make_unique<CProjectCost>("old", 1.0f));
    CWorkmetrDoc::CopyItemList(destination, source);
    ASSERT_EQ(destination.size(), 3u);
    EXPECT_EQ(destination[1], nullptr);
    EXPECT_EQ(destination[2]->GetName(), "X");
    EXPECT_NE(destination[2].get(), source[2].get());
}

}  // namespace
}  // namespace tw
