// Copies for the clipboard and Undelete: stopped copies, clipboard lines, translation of item
// indices by name into another document, the paste position and what Cut may delete.

#include <gtest/gtest.h>

#include <algorithm>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/platform.h"
#include "tests/support/platform_doubles.h"
#include "view/paste_rules.h"
#include "view/record_copies.h"

namespace tw {
namespace {

constexpr CalTime kMonday9am = 1793610000;

class RecordCopiesTest : public ::testing::Test {
protected:
    RecordCopiesTest() : platform_({&clock, &messages, Platform().locale}) {
        source.EnsureBlankItems();
        target.EnsureBlankItems();
    }

    int Project(CWorkmetrDoc& doc, const char* name) {
        return doc.AddItem(kProjectList, CProjectCost(name, 10.0f));
    }

    TestClock clock{kMonday9am};
    RecordingMessageBox messages;
    CWorkmetrDoc source;
    CWorkmetrDoc target;
    RecordCopies copies;

private:
    ScopedPlatform platform_;
};

TEST_F(RecordCopiesTest, RunningRecordIsCopiedStoppedAndTheOriginalRuns) {
    source.AddRecord()->SetNotes("idle");
    CTimeRec* running = source.StartNewRecord();
    running->SetNotes("two\r\nlines");
    clock.Advance(125);
    source.TickActiveRecord();
    std::string text;
    EXPECT_EQ(CopyRecords(source, {1, 0}, copies, &text), 2u);
    EXPECT_FALSE(copies.At(0).IsRunning());
    EXPECT_EQ(copies.At(0).GetElapsed(), 125);
    EXPECT_TRUE(running->IsRunning());
    EXPECT_EQ(copies.At(1).GetNotes(), "idle");
    // one line per record, line breaks of the notes as spaces, no carriage return
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_NE(text.find("two  lines\n"), std::string::npos);
}

TEST_F(RecordCopiesTest, CountIsWhatWasStoredAndEachCopyReplacesTheContent) {
    for (int i = 0; i < 3; ++i) source.AddRecord();
    EXPECT_EQ(CopyRecords(source, {0, 1, 2}, copies, nullptr), 3u);
    EXPECT_EQ(CopyRecords(source, {2, 7, 0}, copies, nullptr), 1u);  // stops at a bad position
    EXPECT_EQ(copies.Count(), 1u);
    EXPECT_EQ(copies.List(kProjectList).size(), source.GetItemList(kProjectList)->size());
    EXPECT_TRUE(copies.List(9).empty());
    copies.DropFirst(0);
    EXPECT_EQ(copies.Count(), 1u);
    copies.DropFirst(5);
    EXPECT_TRUE(copies.Empty());
    EXPECT_TRUE(copies.List(kProjectList).empty());
}

TEST_F(RecordCopiesTest, ItemsTranslateByNameAndMissingOnesAreAdded) {
    Project(target, "Shared");
    const int shared = Project(source, "Unused");  // shifts the source's indices
    const int sharedInSource = Project(source, "Shared");
    const int only = Project(source, "Only in source");
    ASSERT_GT(sharedInSource, shared);
    source.AddRecord()->SetProjectIndex(sharedInSource);
    source.AddRecord()->SetProjectIndex(only);
    ASSERT_EQ(CopyRecords(source, {0, 1}, copies, nullptr), 2u);

    CTimeRec first = copies.At(0), second = copies.At(1);
    ASSERT_TRUE(TranslateItems(first, copies, target));
    EXPECT_EQ(first.GetProjectIndex(), target.FindItemByName(kProjectList, "Shared"));
    EXPECT_EQ(target.FindItemByName(kProjectList, "Only in source"), -1);
    ASSERT_TRUE(TranslateItems(second, copies, target));
    EXPECT_EQ(second.GetProjectIndex(), target.FindItemByName(kProjectList, "Only in source"));
    EXPECT_GE(second.GetProjectIndex(), 0);
}

TEST_F(RecordCopiesTest, TranslationFailsOnAnIndexOutsideTheListOrAnEmptySlot) {
    source.AddRecord();
    ASSERT_EQ(CopyRecords(source, {0}, copies, nullptr), 1u);
    CTimeRec outside = copies.At(0);
    outside.SetClientIndex(50);
    EXPECT_FALSE(TranslateItems(outside, copies, target));
    CTimeRec negative = copies.At(0);
    negative.SetCategoryIndex(-3);
    EXPECT_FALSE(TranslateItems(negative, copies, target));
    RecordCopies noLists;  // a store without list copies translates nothing
    CTimeRec plain = copies.At(0);
    EXPECT_FALSE(TranslateItems(plain, noLists, target));
}

TEST_F(RecordCopiesTest, PasteGoesBeforeTheOneSelectedRecordElseAtTheEnd) {
    EXPECT_EQ(PasteBefore(1, 4), 4);
    EXPECT_EQ(PasteBefore(0, -1), -1);
    EXPECT_EQ(PasteBefore(2, 4), -1);
    EXPECT_EQ(PasteBefore(1, -1), -1);  // a selected row without a record
}

TEST_F(RecordCopiesTest, CutDeletesOnlyTheRecordsThatWereCopied) {
    EXPECT_EQ(CutRecords({5, 2, 9}, 3), (std::vector<int>{5, 2, 9}));
    EXPECT_EQ(CutRecords({5, 2, 9}, 2), (std::vector<int>{5, 2}));
    EXPECT_TRUE(CutRecords({5, 2, 9}, 0).empty());
}

}  // namespace
}  // namespace tw
