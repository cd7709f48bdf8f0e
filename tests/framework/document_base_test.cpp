// The document base: New, Open, Save and Close empty and keep the content in the right order,
// and every failure, an exhausted memory included, is reported and leaves the file alone.

#include "framework/document_base.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <new>
#include <string>

#include "framework/archive.h"
#include "framework/archive_streams.h"
#include "framework/platform.h"
#include "tests/doc/document_temp_folder.h"
#include "tests/support/platform_doubles.h"

namespace tw {
namespace {

// A document of one number; it can be told to run out of memory while reading or writing.
class NumberDocument : public CDocument {
public:
    int number = 0;
    int emptied = 0;
    bool exhausted = false;

    void Serialize(CArchive& ar) override {
        if (exhausted) throw std::bad_alloc();
        if (ar.IsStoring())
            ar.WriteU16(static_cast<uint16_t>(number));
        else
            number = ar.ReadU16();
    }
    void DeleteContents() override {
        number = 0;
        ++emptied;
    }
};

class DocumentBaseTest : public ::testing::Test {
protected:
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

    RecordingMessageBox messages_;
    ScopedPlatform platform_{{Platform().clock, &messages_, Platform().locale}};
    testing::TempFolder folder_{"tw_document_base_"};
    std::string path_ = folder_.File("numbers.tw");
};

TEST_F(DocumentBaseTest, NewEmptiesTheContentForgetsThePathAndIsUnmodified) {
    NumberDocument doc;
    doc.number = 7;
    doc.SetPathName("/somewhere/old.tw");
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.number, 0);
    EXPECT_EQ(doc.emptied, 1);
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "old.tw");  // the frame names a new document itself
}

TEST_F(DocumentBaseTest, ReadingEmptiesFirstAndLeavesTheBaseEmptyWhenRefused) {
    NumberDocument doc;
    doc.number = 9;
    const std::vector<uint8_t> two = {0x2A, 0x00};
    MemorySource whole(two);
    doc.ReadFrom(whole);
    EXPECT_EQ(doc.number, 42);
    EXPECT_EQ(doc.emptied, 1);

    const std::vector<uint8_t> one = {0x2A};
    MemorySource cut(one);
    EXPECT_THROW(doc.ReadFrom(cut), CArchiveException);
    EXPECT_EQ(doc.number, 0);
}

TEST_F(DocumentBaseTest, OpenAndSaveGoThroughTheFileAndClearTheModifiedFlag) {
    NumberDocument doc;
    doc.number = 0x1234;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(path_)) << messages_.Last();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Read(path_), std::string("\x34\x12", 2));

    NumberDocument opened;
    opened.SetModifiedFlag();
    ASSERT_TRUE(opened.OnOpenDocument(path_)) << messages_.Last();
    EXPECT_EQ(opened.number, 0x1234);
    EXPECT_FALSE(opened.IsModified());
    opened.OnCloseDocument();
    EXPECT_EQ(opened.number, 0);
    EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(DocumentBaseTest, FailedOpensNameTheFileAndTheReason) {
    NumberDocument doc;
    EXPECT_FALSE(doc.OnOpenDocument(folder_.File("missing.tw")));
    EXPECT_NE(messages_.Last().find("missing.tw: the file could not be opened."),
              std::string::npos);

    Write("\x01");
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnOpenDocument(path_));
    EXPECT_EQ(messages_.Last().rfind("Cannot open " + path_ + ": ", 0), 0u);
    EXPECT_TRUE(doc.IsModified());

    Write(std::string("\x01\x00", 2));
    doc.exhausted = true;
    EXPECT_FALSE(doc.OnOpenDocument(path_));
    EXPECT_EQ(messages_.Last(), "Cannot open " + path_ + ": not enough memory.");
    EXPECT_EQ(messages_.Count(), 3);
}

TEST_F(DocumentBaseTest, SavingWithoutMemoryReportsAndKeepsTheOldFile) {
    Write("old content");
    NumberDocument doc;
    doc.exhausted = true;
    doc.SetModifiedFlag();
    EXPECT_FALSE(doc.OnSaveDocument(path_));
    EXPECT_EQ(messages_.Last(), "Cannot save " + path_ + ": not enough memory.");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Read(path_), "old content");
    EXPECT_EQ(folder_.FileCount(), 1);  // no temporary left behind
}

}  // namespace
}  // namespace tw
