// The larger documents of the reader's fuzz seeds: each is read whole, notes cut to what a
// record keeps, item names kept as stored (the long length form included), the rate choice
// taken.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "tests/doc/document_test_support.h"

namespace tw {
namespace {

using testing::ReadFileBytes;
using testing::ReadFromBytes;
using testing::RepoFile;
using testing::WriteToBytes;

struct SeedCase {
    const char* file;
    int version;
    int records;
    size_t projects;  // slots of the project list (the older layouts get one blank item)
    int rateSource;
    bool includeRates;
};

const SeedCase kSeeds[] = {
    {"20-rich-windows-1.2.0.tw", 12, 150, 45, 1, true},
    {"21-rich-windows-1.2.0.tw", 12, 60, 17, 2, false},
    {"22-rich-windows-1.1.1.tw", 11, 60, 17, 0, false},
    {"23-rich-windows-1.0.1.tw", 9, 60, 17, 2, true},
    {"24-rich-lite-2.0.2.tw", 7, 100, 1, 0, true},
    {"25-rich-workmeter-1.0.3.tw", 2, 100, 1, 0, true},
};

size_t LongestNotes(const CWorkmetrDoc& doc) {
    size_t longest = 0;
    for (int i = 0; i < doc.GetRecordCount(); ++i)
        longest = std::max(longest, doc.GetRecord(i)->GetNotes().size());
    return longest;
}

size_t LongestName(const CWorkmetrDoc& doc) {
    size_t longest = 0;
    for (int list = 0; list < 3; ++list)
        for (const auto& item : *doc.GetItemList(list))
            if (item) longest = std::max(longest, item->GetName().size());
    return longest;
}

class DocumentSeedsTest : public testing::DocumentTest {};

TEST_F(DocumentSeedsTest, LargeSeedsReadWholeAndWriteBackStable) {
    for (const SeedCase& c : kSeeds) {
        SCOPED_TRACE(c.file);
        const std::vector<uint8_t> bytes =
            ReadFileBytes(RepoFile(std::string("fuzz/doc/corpus/document/") + c.file));
        ASSERT_FALSE(bytes.empty());
        CWorkmetrDoc doc;
        std::string why;
        ASSERT_TRUE(ReadFromBytes(doc, bytes, &why)) << why;
        EXPECT_EQ(doc.GetFileVersion(), c.version);
        EXPECT_EQ(doc.GetRecordCount(), c.records);
        EXPECT_EQ(doc.GetItemList(0)->size(), c.projects);
        EXPECT_EQ(LongestNotes(doc), CTimeRec::kMaxNotes);
        if (c.version >= 8) {
            EXPECT_EQ(doc.Settings().rates.rateSource, c.rateSource);
            EXPECT_EQ(doc.Settings().rates.includeRatesInMenu, c.includeRates);
            EXPECT_EQ(LongestName(doc), 300u);
        }
        // What was read writes the same bytes again once read back.
        const std::vector<uint8_t> written = WriteToBytes(doc);
        CWorkmetrDoc back;
        ASSERT_TRUE(ReadFromBytes(back, written, &why)) << why;
        EXPECT_EQ(WriteToBytes(back), written);
    }
}

}  // namespace
}  // namespace tw
