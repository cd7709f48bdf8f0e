// New and Close on a document that holds a file's content, the custom column headers, and the
// header strings of every file layout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/document_observer.h"
#include "doc/file_format_version.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

using testing::ReadFileBytes;
using testing::ReadFromBytes;
using testing::RepoFile;
using testing::WriteToBytes;

// Counts what the document tells its view.
class CountingView : public IDocumentView {
public:
    int rowsChanged = 0;
    void RecordChanged(int) override {}
    void RowsChanged() override { ++rowsChanged; }
    void ItemListsChanged() override {}
    void TotalsChanged() override {}
    void CollectWindowState(DocumentSettings&) override {}
};

class DocumentLifecycleTest : public testing::DocumentTest {
protected:
    void ReadSample(CWorkmetrDoc& doc) {
        ASSERT_TRUE(ReadFromBytes(doc, ReadFileBytes(RepoFile("samples/consulting.tw"))));
        ASSERT_GT(doc.GetRecordCount(), 0);
    }
};

TEST_F(DocumentLifecycleTest, NewAfterAFileGivesWhatAFreshDocumentWrites) {
    CWorkmetrDoc fresh;
    ASSERT_TRUE(fresh.OnNewDocument());
    const std::vector<uint8_t> freshBytes = WriteToBytes(fresh);

    CWorkmetrDoc doc;
    CountingView view;
    doc.SetView(&view);
    ReadSample(doc);
    doc.RestartRecord(0);
    doc.SetPathName("/work/consulting.tw");
    doc.SetModifiedFlag();
    view.rowsChanged = 0;

    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(view.rowsChanged, 1);
    EXPECT_EQ(doc.GetRecordCount(), 0);
    EXPECT_EQ(doc.GetActiveRecord(), -1);
    EXPECT_EQ(doc.GetFileVersion(), 10);  // what a new document counts as
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_FALSE(doc.IsModified());
    for (int list = 0; list < 3; ++list) EXPECT_EQ(doc.GetItemList(list)->size(), 1u);
    doc.SetView(nullptr);
    EXPECT_EQ(WriteToBytes(doc), freshBytes);
}

TEST_F(DocumentLifecycleTest, CloseEmptiesRecordsListsAndTotals) {
    CWorkmetrDoc doc;
    ReadSample(doc);
    ASSERT_GT(doc.TotalAllTime(), 0);
    doc.RestartRecord(1);
    doc.OnCloseDocument();
    EXPECT_EQ(doc.GetRecordCount(), 0);
    EXPECT_EQ(doc.GetActiveRecord(), -1);
    EXPECT_EQ(doc.GetTotalAllTime(), 0);
    for (int list = 0; list < 3; ++list) EXPECT_TRUE(doc.GetItemList(list)->empty());
}

TEST_F(DocumentLifecycleTest, ColumnHeaderTextsComeFromTheFileAndOnlyForRealColumns) {
    CWorkmetrDoc doc;
    ReadSample(doc);
    EXPECT_EQ(doc.GetColumnHeaderText(kColNotes), "What was done");
    EXPECT_EQ(doc.GetColumnHeaderText(0), "");
    EXPECT_EQ(doc.GetColumnHeaderText(-1), "");
    EXPECT_EQ(doc.GetColumnHeaderText(kColumnCount), "");
}

TEST(FileFormatVersion, EveryLayoutsHeaderSelectsItsOwnIndex) {
    for (int index = 0; index <= kCurrentFileVersion; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(FileVersionIndex(FileSignatureOf(index), FileVersionTextOf(index)), index);
    }
    EXPECT_EQ(FileSignatureOf(kCurrentFileVersion), kCurrentSignature);
    EXPECT_EQ(FileVersionTextOf(kCurrentFileVersion), kCurrentVersionText);
    for (int outside : {-1, kCurrentFileVersion + 1}) {
        EXPECT_EQ(FileSignatureOf(outside), "");
        EXPECT_EQ(FileVersionTextOf(outside), "");
    }
    EXPECT_EQ(FileVersionIndex("", ""), -1);
    EXPECT_EQ(FileVersionIndex("tallywick windows", "1.2.0"), -1);  // exact comparison
    EXPECT_EQ(FileVersionIndex("Tallywick Windows", "1.2.0 "), -1);
    EXPECT_EQ(FileVersionIndex("Workmeter", "2.0.0"), -1);  // a pair of two different rows
}

}  // namespace
}  // namespace tw
