// The row store: records in order, slots reused, the key index across moves and erasures.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "grid/row_store.h"

namespace tw {
namespace grid {
namespace {

struct Rec {
    int32_t key;
    char text[8];
};

Rec R(int key, const char* text = "") {
    Rec r = {key, {}};
    std::strncpy(r.text, text, sizeof r.text - 1);
    return r;
}

std::vector<int> Keys(const RowStore& rows) {
    std::vector<int> keys;
    for (int i = 0; i < rows.Count(); ++i) {
        Rec r;
        std::memcpy(&r, rows.Record(i), sizeof r);
        keys.push_back(r.key);
    }
    return keys;
}

// Records are kept in pages of about a megabyte: small records many to a page, records larger
// than a page one to a page; every record keeps its bytes across the page boundaries.
TEST(RowStore, RecordsKeepTheirBytesAcrossPages) {
    for (int size : {8, 3000, (1 << 20) + 16}) {
        RowStore rows;
        rows.Reset(size, 0);
        const int count = size > 4096 ? 3 : 2500;
        std::vector<char> record(static_cast<size_t>(size));
        for (int k = 0; k < count; ++k) {
            std::memcpy(record.data(), &k, sizeof k);
            record.back() = static_cast<char>(k);
            ASSERT_EQ(rows.Insert(rows.Count(), record.data()), k) << size;
        }
        for (int k = 0; k < count; ++k) {
            int32_t key;
            std::memcpy(&key, rows.Record(k), sizeof key);
            EXPECT_EQ(key, k) << size;
            EXPECT_EQ(rows.Record(k)[size - 1], static_cast<char>(k)) << size;
        }
        EXPECT_EQ(rows.FindKey(count - 1), count - 1) << size;
    }
}

TEST(RowStore, InsertEraseMoveKeepOrderAndKeyIndex) {
    RowStore rows;
    rows.Reset(sizeof(Rec), 0);
    for (int k = 0; k < 5; ++k) {
        const Rec r = R(k * 10);
        EXPECT_EQ(rows.Insert(rows.Count(), &r), k);
    }
    const Rec front = R(99);
    EXPECT_EQ(rows.Insert(0, &front), 0);
    EXPECT_EQ(Keys(rows), (std::vector<int>{99, 0, 10, 20, 30, 40}));
    EXPECT_EQ(rows.FindKey(30), 4);
    EXPECT_TRUE(rows.Erase(2));  // key 10
    EXPECT_EQ(rows.FindKey(10), -1);
    EXPECT_EQ(rows.FindKey(40), 4);
    const Rec reused = R(77);
    rows.Insert(rows.Count(), &reused);  // takes the freed slot
    EXPECT_EQ(rows.FindKey(77), 5);
    rows.Move(5, 0);
    EXPECT_EQ(Keys(rows), (std::vector<int>{77, 99, 0, 20, 30, 40}));
    EXPECT_EQ(rows.FindKey(40), 5);
    const Rec changed = R(41);
    EXPECT_TRUE(rows.Overwrite(5, &changed));
    EXPECT_EQ(rows.FindKey(40), -1);
    EXPECT_EQ(rows.FindKey(41), 5);
    // The last row erased: its slot no longer maps to a row.
    const uint32_t slot = rows.SlotOf(5);
    rows.Erase(5);
    EXPECT_EQ(rows.RowOfSlot(slot), -1);
    EXPECT_EQ(rows.RowOfSlot(12345), -1);
}

TEST(RowStore, DuplicateKeysFindTheLowestRow) {
    RowStore rows;
    rows.Reset(sizeof(Rec), 0);
    const Rec a = R(5, "a"), b = R(5, "b");
    rows.Insert(0, &a);
    rows.Insert(0, &b);
    EXPECT_EQ(rows.FindKey(5), 0);
    rows.Erase(0);
    EXPECT_EQ(rows.FindKey(5), 0) << "the other row with the key is still found";
}

TEST(RowStore, BadRowsAndRecordsAreRefused) {
    RowStore rows;
    rows.Reset(sizeof(Rec), -1);
    const Rec r = R(1);
    EXPECT_EQ(rows.Insert(1, &r), -1);
    EXPECT_EQ(rows.Insert(-1, &r), -1);
    EXPECT_EQ(rows.Insert(0, nullptr), -1);
    EXPECT_FALSE(rows.Erase(0));
    EXPECT_FALSE(rows.Overwrite(0, &r));
    rows.Insert(0, &r);
    EXPECT_EQ(rows.FindKey(1), -1) << "no key column";
    EXPECT_FALSE(rows.SetSelected(3, true));
    rows.Move(0, 7);  // ignored
    EXPECT_EQ(rows.Count(), 1);
}

TEST(RowStore, SelectionCountFollowsRows) {
    RowStore rows;
    rows.Reset(sizeof(Rec), 0);
    for (int k = 0; k < 4; ++k) {
        const Rec r = R(k);
        rows.Insert(rows.Count(), &r);
    }
    EXPECT_TRUE(rows.SetSelected(1, true));
    EXPECT_FALSE(rows.SetSelected(1, true));
    rows.SetSelected(3, true);
    EXPECT_EQ(rows.SelectedCount(), 2);
    rows.Permute({3, 2, 1, 0});
    EXPECT_TRUE(rows.Attributes(0).selected);
    EXPECT_TRUE(rows.Attributes(2).selected);
    rows.Erase(0);
    EXPECT_EQ(rows.SelectedCount(), 1);
}

}  // namespace
}  // namespace grid
}  // namespace tw
