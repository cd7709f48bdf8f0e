// Writing and reading the document file: the exact bytes of the current layout, the object
// tags, every older layout with its conversions, and the refusals of damaged files.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "framework/object_table.h"
#include "tests/doc/document_test_support.h"
#include "tools/samplegen/sample_bytes.h"

namespace tw {
namespace {

using samplegen::SampleBytes;
using testing::kMonday9am;
using testing::ReadFileBytes;
using testing::ReadFromBytes;
using testing::RepoFile;
using testing::WriteToBytes;

// The settings of a new document in the current layout, from the file format's tables.
void ExpectedNewSettings(SampleBytes& b) {
    b.Str("Tallywick Windows");
    b.Str("1.2.0");
    for (unsigned v : {1u, 0u, 5u, 1u, 0u, 0u, 0u}) b.U16(v);  // display, notes, rates
    for (unsigned w : {33u, 29u, 33u, 29u, 24u, 24u, 32u, 32u, 32u, 32u, 32u, 24u, 10u, 140u})
        b.U16(w);
    b.U16(0);  // no placement
    b.U16(1);
    for (int v : {-1, -1, -1, -1, 0, 0, 0, 0}) b.I32(v);
    b.U16(0);
    b.I32(0);
    b.I32(0);
    for (unsigned v : {1u, 1u, 1u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u}) b.U16(v);  // sort
    b.U16(0xFFFF);
    b.U16(0xFFFF);
    b.I32(0);
    b.I32(0);
    b.U16(0);
    b.U16(0);
    for (int c = 0; c < 14; ++c) b.U16(0);
    for (unsigned v : {0u, 0u, 0u, 0u, 0u, 0u, 128u, 128u, 0u, 0u, 0u, 0u, 64u, 0u}) b.U16(v);
    for (unsigned v :
         {256u, 256u, 256u, 256u, 0u, 0u, 256u, 256u, 256u, 256u, 256u, 256u, 256u, 0u})
        b.U16(v);
    for (int c = 0; c < 14; ++c) b.Str("");
    for (int c = 0; c < 14; ++c) b.U16(1);
    for (unsigned v : {1u, 1u, 1u, 1u, 0u, 0u}) b.U16(v);  // export flags, totals mode 0
    for (int c = 0; c < 14; ++c) b.U16(1);
    for (unsigned v : {1u, 0u, 1u, 1u, 1u, 100u, 400u, 0u}) b.U16(v);
    b.Str("Courier New");
    b.U16(0);
    b.Str("");
}

void ExpectedRecordBody(SampleBytes& b, CalTime start, CalTime stop, const std::string& notes) {
    b.I32(start);
    b.I32(stop);
    b.I32(0);
    b.Str(notes);
    for (int i = 0; i < 4; ++i) b.U16(0);
    b.F32(-1.0f);
    b.F32(0.0f);
}

void ExpectedTail(SampleBytes& b) {
    for (unsigned v : {0u, 0u, 1u, 0u, 0u, 0u}) b.U16(v);  // reports layout, defaults
    ExpectedRecordBody(b, kMonday9am, kMonday9am, "");     // template record
}

class DocumentFileTest : public testing::DocumentTest {};

TEST_F(DocumentFileTest, NewEmptyDocumentWritesTheDefaultLayout) {
    CWorkmetrDoc doc;
    SampleBytes expected;
    ExpectedNewSettings(expected);
    for (int list = 0; list < 3; ++list) {
        expected.Count(1);
        expected.ObjectTag("CProjectCost");
        expected.Str(" ");
        expected.F32(0.0f);
    }
    expected.Count(0);
    ExpectedTail(expected);
    EXPECT_EQ(WriteToBytes(doc), expected.Bytes());
    EXPECT_EQ(doc.GetFileVersion(), 10);
}

TEST_F(DocumentFileTest, ObjectTagsNumberClassesAndObjectsAcrossTheFile) {
    CWorkmetrDoc doc;
    doc.AddItem(kProjectList, CProjectCost("Web", 40.0f));
    doc.AddRecord();
    doc.AddRecord();
    const std::vector<uint8_t> bytes = WriteToBytes(doc);

    SampleBytes head;
    ExpectedNewSettings(head);
    size_t at = head.Bytes().size();
    auto u16 = [&bytes](size_t pos) { return bytes[pos] | (bytes[pos + 1] << 8); };
    const size_t kNewItemTag = 2 + 2 + 2 + 12;  // tag, schema, name length, "CProjectCost"
    const size_t kBlankItem = 2 + 4;            // STR " " and the rate
    EXPECT_EQ(u16(at), 2);                      // two projects
    EXPECT_EQ(u16(at + 2), 0xFFFF);
    EXPECT_EQ(u16(at + 4), 1);
    EXPECT_EQ(std::string(bytes.begin() + at + 8, bytes.begin() + at + 20), "CProjectCost");
    at += 2 + kNewItemTag + kBlankItem;
    EXPECT_EQ(u16(at), 0x8001);  // the second project
    at += 2 + 4 + 4;             // tag, STR "Web", rate
    for (int list = 0; list < 2; ++list) {
        EXPECT_EQ(u16(at), 1);
        EXPECT_EQ(u16(at + 2), 0x8001) << "slot 0 of list " << list + 1;
        at += 4 + kBlankItem;
    }
    EXPECT_EQ(u16(at), 2);  // two records
    EXPECT_EQ(u16(at + 2), 0xFFFF);
    EXPECT_EQ(std::string(bytes.begin() + at + 8, bytes.begin() + at + 16), "CTimeRec");
    at += 2 + 2 + 2 + 2 + 8 + 29;  // count, tag, schema, length, name, body
    EXPECT_EQ(u16(at), 0x8006);
}

TEST_F(DocumentFileTest, BigIndexTagsAndEmptySlotsReadBack) {
    // Enough items that the record class lands beyond the 15-bit class index.
    CWorkmetrDoc doc;
    ItemList categories;
    for (int i = 0; i < 0x8005; ++i)
        categories.push_back(std::make_unique<CProjectCost>("c" + std::to_string(i), 1.0f));
    doc.SetItemList(kCategoryList, categories);
    ItemList clients;
    CWorkmetrDoc::CopyItemList(clients, *doc.GetItemList(kClientList));
    clients.push_back(nullptr);
    clients.push_back(std::make_unique<CProjectCost>("Acme", 50.0f));
    doc.SetItemList(kClientList, clients);
    doc.AddRecord()->SetNotes("first");
    doc.AddRecord()->SetNotes("second");
    const std::vector<uint8_t> bytes = WriteToBytes(doc);

    CWorkmetrDoc back;
    std::string why;
    ASSERT_TRUE(ReadFromBytes(back, bytes, &why)) << why;
    ASSERT_EQ(back.GetRecordCount(), 2);
    EXPECT_EQ(back.GetRecord(1)->GetNotes(), "second");
    EXPECT_EQ(back.GetItemList(kCategoryList)->size(), 0x8005u);
    EXPECT_FALSE(back.IsValidItemIndex(kClientList, 1));
    EXPECT_TRUE(back.IsValidItemIndex(kClientList, 2));
    EXPECT_EQ(WriteToBytes(back), bytes);
    // The second record's class reference uses the long form: 0x7FFF then 0x80000000 + c.
    const std::vector<uint8_t> bigTag = {0xFF, 0x7F};
    EXPECT_NE(std::search(bytes.end() - 200, bytes.end(), bigTag.begin(), bigTag.end()),
              bytes.end());
}

struct LayoutCase {
    const char* file;
    int version;
    int records;
};

const LayoutCase kLayouts[] = {
    {"samples/layouts/00-workmeter-1.0.1.tw", 0, 4},
    {"samples/layouts/01-workmeter-1.0.2.tw", 1, 4},
    {"samples/layouts/02-workmeter-1.0.3.tw", 2, 4},
    {"samples/layouts/03-workmeter-1.1.0.tw", 3, 5},
    {"samples/layouts/04-workmeter-1.2.0.tw", 4, 5},
    {"samples/layouts/05-lite-2.0.0.tw", 5, 6},
    {"samples/layouts/06-lite-2.0.1.tw", 6, 6},
    {"samples/layouts/07-lite-2.0.2.tw", 7, 6},
    {"samples/layouts/08-windows-1.0.0.tw", 8, 8},
    {"samples/layouts/09-windows-1.0.1.tw", 9, 8},
    {"samples/layouts/10-windows-1.1.0.tw", 10, 10},
    {"samples/layouts/11-windows-1.1.1.tw", 11, 10},
    {"samples/consulting.tw", 12, 30},
};

TEST_F(DocumentFileTest, EveryLayoutReadsAndConvertsToOneThatReadsBackEqual) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.file);
        const std::vector<uint8_t> original = ReadFileBytes(RepoFile(c.file));
        ASSERT_FALSE(original.empty());
        CWorkmetrDoc doc;
        std::string why;
        ASSERT_TRUE(ReadFromBytes(doc, original, &why)) << why;
        EXPECT_EQ(doc.GetFileVersion(), c.version);
        EXPECT_EQ(doc.GetRecordCount(), c.records);
        EXPECT_GE(doc.GetItemList(kProjectList)->size(), 1u);
        EXPECT_EQ(doc.GetActiveRecord(), -1);
        for (int i = 0; i < doc.GetRecordCount(); ++i) EXPECT_FALSE(doc.IsRecordRunning(i));

        const std::vector<uint8_t> converted = WriteToBytes(doc);
        CWorkmetrDoc back;
        ASSERT_TRUE(ReadFromBytes(back, converted, &why)) << why;
        EXPECT_EQ(back.GetFileVersion(), 12);
        EXPECT_EQ(WriteToBytes(back), converted);
        if (c.version == 12) {
            EXPECT_EQ(converted, original);
        }
    }
}

TEST_F(DocumentFileTest, OlderLayoutsTakeTheirConversions) {
    CWorkmetrDoc workmeter;
    ASSERT_TRUE(
        ReadFromBytes(workmeter, ReadFileBytes(RepoFile("samples/layouts/04-workmeter-1.2.0.tw"))));
    EXPECT_EQ(workmeter.Settings().rates.oldFileRate, 25.0f);
    for (int i = 0; i < workmeter.GetRecordCount(); ++i) {
        const CTimeRec& r = *workmeter.GetRecord(i);
        EXPECT_EQ(r.GetOwnRate(), 25.0f);
        EXPECT_EQ(r.GetProjectIndex() + r.GetCategoryIndex() + r.GetClientIndex() + r.GetMark(), 0);
    }
    for (int list = 0; list < 3; ++list) {
        ASSERT_EQ(workmeter.GetItemList(list)->size(), 1u);
        EXPECT_EQ((*workmeter.GetItemList(list))[0]->GetName(), " ");
    }
    EXPECT_EQ(workmeter.Settings().timeDisplay.increment, 2);

    CWorkmetrDoc windows101;
    ASSERT_TRUE(
        ReadFromBytes(windows101, ReadFileBytes(RepoFile("samples/layouts/09-windows-1.0.1.tw"))));
    EXPECT_EQ(windows101.Settings().columns[kColExpense].width, 24);
    EXPECT_EQ(windows101.Settings().columns[kColNotes].width,
              141);  // the sample stores default + 1
    EXPECT_EQ(windows101.Settings().columns[kColMark].width, 11);
    for (int i = 0; i < windows101.GetRecordCount(); ++i)
        EXPECT_EQ(windows101.GetRecord(i)->GetExpense(), 0.0f);
    EXPECT_TRUE(windows101.Settings().placement.valid);

    struct Display {
        const char* file;
        int increment, hundredths;
    } displays[] = {
        {"samples/layouts/08-windows-1.0.0.tw", 4, 5},    // hundredths 2 stored
        {"samples/layouts/10-windows-1.1.0.tw", 1, 100},  // mode 7 and hundredths 150 stored
        {"samples/layouts/05-lite-2.0.0.tw", 4, 10},
    };
    for (const Display& d : displays) {
        SCOPED_TRACE(d.file);
        CWorkmetrDoc doc;
        ASSERT_TRUE(ReadFromBytes(doc, ReadFileBytes(RepoFile(d.file))));
        EXPECT_EQ(doc.Settings().timeDisplay.increment, d.increment);
        EXPECT_EQ(doc.Settings().timeDisplay.hundredths, d.hundredths);
    }
}

TEST_F(DocumentFileTest, CurrentSampleKeepsSlotsSettingsAndRecordFields) {
    CWorkmetrDoc doc;
    ASSERT_TRUE(ReadFromBytes(doc, ReadFileBytes(RepoFile("samples/consulting.tw"))));
    EXPECT_EQ(doc.GetItemList(kProjectList)->size(), 5u);
    EXPECT_FALSE(doc.IsValidItemIndex(kProjectList, 3));
    EXPECT_EQ((*doc.GetItemList(kClientList))[2]->GetName(), "Birch & Co");
    EXPECT_EQ(doc.GetTotalsMode(), 1);
    EXPECT_EQ(doc.Settings().columns[kColNotes].customHeader, "What was done");
    EXPECT_TRUE(doc.Settings().printing.customHeader);
    EXPECT_EQ(doc.Settings().defaults.category, 2);
    EXPECT_EQ(doc.GetTemplateRecord().GetNotes(), "Weekly status meeting");
    const CTimeRec& r = *doc.GetRecord(2);  // the sample's third record
    EXPECT_EQ(r.GetExpense(), 12.5f);
    EXPECT_EQ(r.GetElapsed(), r.GetStop() - r.GetStart() - r.GetPaused());
}

// A file with one record whose body is given, in the current layout.
std::vector<uint8_t> FileWithRecordList(const std::string& className,
                                        const std::string& notesLengthBytes) {
    SampleBytes b;
    ExpectedNewSettings(b);
    for (int list = 0; list < 3; ++list) b.Count(0);
    b.Count(1);
    b.ObjectTag(className);
    std::vector<uint8_t> bytes = b.Bytes();
    for (int i = 0; i < 12; ++i) bytes.push_back(0);
    bytes.insert(bytes.end(), notesLengthBytes.begin(), notesLengthBytes.end());
    return bytes;
}

TEST_F(DocumentFileTest, DamagedAndForeignFilesAreRefusedAndLeaveTheDocumentAsItWas) {
    CWorkmetrDoc doc;
    doc.AddRecord()->SetNotes("keep me");
    const std::vector<uint8_t> before = WriteToBytes(doc);
    SampleBytes laterVersion;
    laterVersion.Str("Tallywick Windows");
    laterVersion.Str("1.3.0");
    SampleBytes foreign;
    foreign.Str("Spreadsheet");
    foreign.Str("1.2.0");
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool openError;
    } cases[] = {
        {"later version", laterVersion.Bytes(), true},
        {"unknown signature", foreign.Bytes(), true},
        {"empty file", {}, false},
        {"record list holding an item", FileWithRecordList("CProjectCost", ""), false},
        {"unknown class", FileWithRecordList("CTimeRecord", ""), false},
        {"notes longer than the file",
         FileWithRecordList("CTimeRec", std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        EXPECT_FALSE(ReadFromBytes(doc, c.bytes));
        EXPECT_EQ(messages.Count(), c.openError ? 1 : 0);
        if (c.openError) {
            EXPECT_EQ(messages.Last(),
                      "Open Error\nThis file is not a Tallywick file or the file is corrupted.");
        }
        EXPECT_EQ(WriteToBytes(doc), before);
    }
}

TEST_F(DocumentFileTest, WrongSchemaAndHugeCountsAreFormatErrors) {
    CWorkmetrDoc doc;
    doc.AddRecord();
    std::vector<uint8_t> bytes = WriteToBytes(doc);
    SampleBytes head;
    ExpectedNewSettings(head);
    // After three one-item lists, the first of which names the item class.
    const size_t recordCount = head.Bytes().size() + 26 + 10 + 10;

    std::vector<uint8_t> schema2 = bytes;
    schema2[recordCount + 4] = 2;
    std::vector<uint8_t> hugeCount = bytes;
    hugeCount[recordCount] = 0xFF;
    hugeCount[recordCount + 1] = 0xFF;
    hugeCount.insert(hugeCount.begin() + recordCount + 2, {0x00, 0x00, 0x00, 0x10});
    std::vector<uint8_t> itemInRecords = bytes;
    itemInRecords[recordCount + 2] = 0x01;  // 0x8001: the item class
    itemInRecords[recordCount + 3] = 0x80;
    for (const auto* damaged : {&schema2, &hugeCount, &itemInRecords}) {
        CWorkmetrDoc target;
        EXPECT_FALSE(ReadFromBytes(target, *damaged));
        EXPECT_EQ(target.GetRecordCount(), 0);
    }
}

TEST_F(DocumentFileTest, TruncationAtEveryOffsetIsRefused) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(c.file);
        const std::vector<uint8_t> whole = ReadFileBytes(RepoFile(c.file));
        for (size_t n = 0; n < whole.size(); ++n) {
            const std::vector<uint8_t> part(whole.begin(), whole.begin() + n);
            CWorkmetrDoc doc;
            ASSERT_FALSE(ReadFromBytes(doc, part)) << "accepted the first " << n << " bytes";
            ASSERT_EQ(doc.GetRecordCount(), 0);
        }
    }
}

TEST_F(DocumentFileTest, LongFontFaceNamesAreCutTo31Characters) {
    CWorkmetrDoc doc;
    DocumentSettings s = doc.Settings();
    s.printing.fontFace = std::string(40, 'F');
    doc.SetSettings(s);
    const std::vector<uint8_t> written = WriteToBytes(doc);
    CWorkmetrDoc back;
    ASSERT_TRUE(ReadFromBytes(back, written));
    EXPECT_EQ(back.Settings().printing.fontFace, std::string(31, 'F'));

    // A file that stores a longer name itself.
    std::vector<uint8_t> bytes = WriteToBytes(back);
    const std::string face31(31, 'F');
    auto at = std::search(bytes.begin(), bytes.end(), face31.begin(), face31.end()) - 1;
    *at = 45;
    bytes.insert(at + 1, 14, 'G');
    CWorkmetrDoc longFace;
    ASSERT_TRUE(ReadFromBytes(longFace, bytes));
    EXPECT_EQ(longFace.Settings().printing.fontFace, std::string(14, 'G') + std::string(17, 'F'));
}

}  // namespace
}  // namespace tw
