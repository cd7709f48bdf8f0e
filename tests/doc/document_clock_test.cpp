// The document's records and the active record's clock.

#include <gtest/gtest.h>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "doc/project_cost.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

class DocumentClockTest : public testing::DocumentTest {
protected:
    DocumentClockTest() { doc.SetView(&view); }

    void ExpectIdle() const {
        EXPECT_EQ(doc.GetActiveRecord(), -1);
        EXPECT_TRUE(doc.IsStopped());
        EXPECT_FALSE(doc.IsPaused());
    }

    CWorkmetrDoc doc;
    RecordingDocumentView view;
};

TEST_F(DocumentClockTest, StateTableFromStartThroughPauseResumeAndStop) {
    ExpectIdle();
    CTimeRec* r = doc.StartNewRecord();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetActiveRecord(), 0);
    EXPECT_FALSE(doc.IsStopped());
    EXPECT_TRUE(r->IsRunning());
    EXPECT_EQ(r->GetStart(), clock.Now());

    clock.Advance(600);
    EXPECT_EQ(doc.TickActiveRecord(), r);
    EXPECT_EQ(r->GetElapsed(), 600);
    doc.PauseActiveRecord();
    EXPECT_TRUE(doc.IsPaused());
    clock.Advance(300);
    doc.TickActiveRecord();
    EXPECT_EQ(r->GetElapsed(), 600);
    EXPECT_EQ(r->GetPaused(), 300);
    EXPECT_EQ(doc.ResumeActiveRecord(), r);
    EXPECT_FALSE(doc.IsPaused());

    doc.PauseActiveRecord();
    clock.Advance(120);
    EXPECT_EQ(doc.StopActiveRecord(), r);  // resumes first, so the pause counts
    ExpectIdle();
    EXPECT_FALSE(r->IsRunning());
    EXPECT_EQ(r->GetPaused(), 420);
    EXPECT_EQ(doc.GetLastActiveRecord(), 0);

    EXPECT_EQ(doc.StopActiveRecord(), nullptr);
    ExpectIdle();
}

TEST_F(DocumentClockTest, StartAndRestartAreRefusedWhileARecordIsActive) {
    CTimeRec* running = doc.StartNewRecord();
    const CalTime start = running->GetStart();
    doc.PauseActiveRecord();
    clock.Advance(60);
    EXPECT_EQ(doc.StartNewRecord(), nullptr);
    EXPECT_EQ(doc.RestartRecord(0), nullptr);
    EXPECT_EQ(doc.GetRecordCount(), 1);
    EXPECT_EQ(running->GetStart(), start);
    EXPECT_TRUE(running->IsPaused());
    EXPECT_FALSE(doc.IsStopped());

    doc.StopActiveRecord();
    clock.Advance(1800);
    EXPECT_EQ(doc.RestartRecord(0), running);  // the gap since the stop counts as paused
    EXPECT_EQ(running->GetPaused(), 60 + 1800);
    EXPECT_EQ(doc.RestartRecord(5), nullptr);
}

TEST_F(DocumentClockTest, RemovingTheRunningRecordStopsItAndKeepsACopyAsTemplate) {
    doc.AddRecord();
    CTimeRec* running = doc.StartNewRecord();
    running->SetNotes("the running one");
    clock.Advance(90);
    doc.RemoveRecord(1);
    ExpectIdle();
    EXPECT_EQ(doc.GetRecordCount(), 1);
    EXPECT_EQ(doc.GetTemplateRecord().GetNotes(), "the running one");
    EXPECT_FALSE(doc.GetTemplateRecord().IsRunning());
    EXPECT_EQ(doc.GetTemplateRecord().GetElapsed(), 90);
    EXPECT_EQ(doc.GetLastActiveRecord(), -1);
    doc.RemoveRecord(7);  // out of range: nothing
    EXPECT_EQ(doc.GetRecordCount(), 1);
}

TEST_F(DocumentClockTest, RemovingSeveralRecordsStopsTheActiveOneAndTellsTheViewOnce) {
    for (const char* notes : {"a", "b", "c", "d"}) doc.AddRecord()->SetNotes(notes);
    doc.StartNewRecord()->SetNotes("running");
    doc.RemoveRecords({1, 3, 1, 99, -1});
    EXPECT_EQ(doc.GetRecordCount(), 3);
    EXPECT_EQ(doc.GetRecord(1)->GetNotes(), "c");
    EXPECT_EQ(doc.GetActiveRecord(), 2);  // followed its record down
    EXPECT_EQ(view.rowRebuilds, 5 + 1);
    EXPECT_EQ(doc.GetTemplateRecord().GetNotes(), "b");  // the last one named

    clock.Advance(60);
    doc.RemoveRecords({0, 2});
    ExpectIdle();
    ASSERT_EQ(doc.GetRecordCount(), 1);
    EXPECT_EQ(doc.GetRecord(0)->GetNotes(), "c");
    EXPECT_EQ(doc.GetTemplateRecord().GetElapsed(), 60);
    EXPECT_FALSE(doc.GetTemplateRecord().IsRunning());
}

TEST_F(DocumentClockTest, InsertingBeforeTheActiveRecordKeepsItActive) {
    doc.AddRecord()->SetNotes("first");
    CTimeRec* running = doc.StartNewRecord();
    CTimeRec copy;
    copy.SetNotes("inserted");
    doc.InsertRecordCopy(copy, 0);
    EXPECT_EQ(doc.GetRecord(0)->GetNotes(), "inserted");
    EXPECT_EQ(doc.GetRecord(doc.GetActiveRecord()), running);
    doc.InsertRecordCopy(copy);
    EXPECT_EQ(doc.GetRecordCount(), 4);
    EXPECT_EQ(doc.GetRecord(3)->GetNotes(), "inserted");
}

TEST_F(DocumentClockTest, NewRecordDefaultsComeFromSettingsPreviousActiveOrTemplate) {
    doc.AddItem(kProjectList, CProjectCost("Web", 40.0f));
    doc.AddItem(kCategoryList, CProjectCost("Design", 30.0f));
    DocumentSettings s = doc.Settings();
    s.defaults = {true, 1, 1, 9, 0};  // category 9 does not exist and becomes 0
    doc.SetSettings(s);
    CTimeRec* defined = doc.AddRecord();
    EXPECT_EQ(defined->GetMark(), 1);
    EXPECT_EQ(defined->GetProjectIndex(), 1);
    EXPECT_EQ(defined->GetCategoryIndex(), 0);

    s.defaults.useDefinedItems = false;
    doc.SetSettings(s);
    CTimeRec* fromTemplate = doc.AddRecord();  // no record was ever active: the template's (all 0)
    EXPECT_EQ(fromTemplate->GetMark() + fromTemplate->GetProjectIndex(), 0);

    CTimeRec* active = doc.StartNewRecord();
    active->SetCategoryIndex(1);
    active->SetMark(1);
    doc.StopActiveRecord();
    CTimeRec* fromPrevious = doc.AddRecord();
    EXPECT_EQ(fromPrevious->GetCategoryIndex(), 1);
    EXPECT_EQ(fromPrevious->GetMark(), 1);
}

TEST_F(DocumentClockTest, ChangesReachTheViewAndMarkTheDocumentModified) {
    doc.AddRecord();
    EXPECT_EQ(view.rowRebuilds, 1);
    doc.SetModifiedFlag(false);
    doc.StartNewRecord();
    doc.SetModifiedFlag(false);
    clock.Advance(1);
    doc.TickActiveRecord();
    EXPECT_TRUE(doc.IsModified());  // every tick
    doc.StopActiveRecord();
    ASSERT_FALSE(view.changedRecords.empty());
    EXPECT_EQ(view.changedRecords.back(), 1);
    const int totals = view.totalsRefreshes;
    doc.SetTotalsMode(7);
    EXPECT_EQ(doc.GetTotalsMode(), 0);
    doc.SetTotalsMode(2);
    EXPECT_EQ(doc.GetTotalsMode(), 2);
    EXPECT_EQ(view.totalsRefreshes, totals + 2);
}

TEST_F(DocumentClockTest, AFailedLockLeavesTheClockStateAlone) {
    CTimeRec* running = doc.StartNewRecord();
    running->Lock().SetWaitMs(0);
    ASSERT_TRUE(running->Lock().Lock());
    EXPECT_EQ(doc.StopActiveRecord(), nullptr);
    EXPECT_EQ(doc.GetActiveRecord(), 0);
    EXPECT_FALSE(doc.IsStopped());
    running->Lock().Unlock();
    EXPECT_EQ(doc.StopActiveRecord(), running);
}

}  // namespace
}  // namespace tw
