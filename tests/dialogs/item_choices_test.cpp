// The entries of the item drop-down lists and the index booked after a choice.
#include "dialogs/item_choices.h"

#include <gtest/gtest.h>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"

namespace tw {
namespace {

class ItemChoicesTest : public ::testing::Test {
protected:
    ItemChoicesTest() {
        for (const char* name : {"Web", "Site", "Audit"})
            doc.AddItem(kProjectList, CProjectCost(name, 40.0f));
        ItemList edited;
        CWorkmetrDoc::CopyItemList(edited, *doc.GetItemList(kProjectList));
        edited[2].reset();  // "Site" removed: slot 2 is empty
        doc.SetItemList(kProjectList, edited);
    }

    TestClock clock{1793610000};
    RecordingMessageBox messages;
    ScopedPlatform platform{{&clock, &messages, Platform().locale}};
    CWorkmetrDoc doc;
};

TEST_F(ItemChoicesTest, OccupiedSlotsGetEntriesWithTheirDisplayTextAndSlot) {
    const std::vector<ItemChoice> choices = ItemChoices(doc, kProjectList);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].text, " ");
    EXPECT_EQ(choices[0].index, 0);
    EXPECT_EQ(choices[1].text, "Web");
    EXPECT_EQ(choices[1].index, 1);
    EXPECT_EQ(choices[2].text, "Audit");
    EXPECT_EQ(choices[2].index, 3) << "slots keep their index";

    DocumentSettings s = doc.Settings();
    s.rates.includeRatesInMenu = true;
    doc.SetSettings(s);
    EXPECT_EQ(ItemChoices(doc, kProjectList)[1].text, "Web ($40.00)");
    EXPECT_EQ(ItemChoices(doc, kClientList).size(), 1u);
    EXPECT_TRUE(ItemChoices(doc, 3).empty());
    EXPECT_TRUE(ItemChoices(doc, -1).empty());
}

TEST_F(ItemChoicesTest, AnIndexNoLongerValidBecomesTheBlankItem) {
    EXPECT_EQ(ChosenItemIndex(doc, kProjectList, 3, 1), 3) << "the choice wins";
    EXPECT_EQ(ChosenItemIndex(doc, kProjectList, -1, 1), 1) << "nothing chosen keeps the record's";
    EXPECT_EQ(ChosenItemIndex(doc, kProjectList, -1, 2), 0) << "its slot was emptied";
    EXPECT_EQ(ChosenItemIndex(doc, kProjectList, -1, 9), 0);
    EXPECT_EQ(ChosenItemIndex(doc, kProjectList, 2, 1), 0);
    EXPECT_EQ(ChosenItemIndex(doc, 7, 1, 1), 0);
}

}  // namespace
}  // namespace tw
