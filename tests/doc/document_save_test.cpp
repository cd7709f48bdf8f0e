// Opening and saving a document file: the safe save keeps the previous file when a save
// fails, and a failed open keeps the document as it was.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "framework/file_replace.h"
#include "tests/doc/document_temp_folder.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;

class FailingReplace : public IFileReplace {
public:
    bool FlushToDisk(std::FILE*) override { return true; }
    bool Replace(const std::string&, const std::string&) override { return false; }
};

class DocumentSaveTest : public testing::DocumentTest {
protected:
    testing::TempFolder folder_{"tw_doc_save_"};
    fs::path dir_ = folder_.Path();
    std::string path_ = folder_.File("work.tw");
};

TEST_F(DocumentSaveTest, SaveAndOpenRoundTripClearsTheModifiedFlag) {
    CWorkmetrDoc doc;
    RecordingDocumentView view;
    view.widthOnSave = 50;
    doc.SetView(&view);
    doc.AddRecord()->SetNotes("saved");
    ASSERT_TRUE(doc.OnSaveDocument(path_));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.collections, 1);

    CWorkmetrDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(path_));
    ASSERT_EQ(opened.GetRecordCount(), 1);
    EXPECT_EQ(opened.GetRecord(0)->GetNotes(), "saved");
    EXPECT_EQ(opened.Settings().columns[kColNotes].width, 50);
    EXPECT_EQ(opened.GetFileVersion(), 12);
}

TEST_F(DocumentSaveTest, AFailedSaveLeavesThePreviousFileByteForByte) {
    CWorkmetrDoc doc;
    doc.AddRecord()->SetNotes("version one");
    ASSERT_TRUE(doc.OnSaveDocument(path_));
    const std::vector<uint8_t> before = ReadFileBytes(path_);

    FailingReplace failing;
    doc.SetFileReplace(&failing);
    doc.AddRecord()->SetNotes("version two");
    EXPECT_FALSE(doc.OnSaveDocument(path_));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(ReadFileBytes(path_), before);
    EXPECT_EQ(folder_.FileCount(), 1);
}

TEST_F(DocumentSaveTest, AFailedOpenReportsAndKeepsTheDocument) {
    std::ofstream(path_, std::ios::binary) << "\x09Workmeter\x05"
                                              "9.9.9";
    CWorkmetrDoc doc;
    doc.AddRecord()->SetNotes("still here");
    EXPECT_FALSE(doc.OnOpenDocument(path_));
    EXPECT_FALSE(doc.OnOpenDocument((dir_ / "missing.tw").string()));
    ASSERT_EQ(doc.GetRecordCount(), 1);
    EXPECT_EQ(doc.GetRecord(0)->GetNotes(), "still here");
    EXPECT_EQ(messages.Count(), 3);  // the open error and two failed opens
}

TEST_F(DocumentSaveTest, ClosingRecordsTheReopenPathAndAutoSaves) {
    RecordingDocumentApplication app;
    CWorkmetrDoc doc;
    doc.SetApplication(&app);
    EXPECT_TRUE(doc.AsksToSaveChanges());
    app.recordingReopen = true;
    app.autoSaveMinutes = 5;
    EXPECT_FALSE(doc.AsksToSaveChanges());
    doc.AddRecord();
    doc.PrepareToClose();  // no path yet: the Save command asks for one
    EXPECT_EQ(app.saveAsRequests, 1);
    EXPECT_TRUE(app.reopenPaths.empty());

    doc.SetPathName(path_);
    EXPECT_EQ(doc.GetTitle(), "work.tw");
    doc.PrepareToClose();
    EXPECT_EQ(app.reopenPaths, std::vector<std::string>{path_});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(fs::exists(path_));
}

}  // namespace
}  // namespace tw
