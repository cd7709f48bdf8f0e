// Sort levels over a column set: comparisons by type, stability, sorted placement.
#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "grid/grid_model.h"
#include "grid/dtbl32.h"
#include "grid/sort_order.h"

namespace tw {
namespace grid {
namespace {

// A model with a key, a text of 8 bytes and a date: records of 14 bytes.
#pragma pack(push, 1)
struct Rec {
    int32_t key;
    char text[8];
    uint16_t date;
};
#pragma pack(pop)

class SortModel : public ::testing::Test {
protected:
    void SetUp() override {
        model_.SetColumnCount(3);
        model_.SetColumnType(0, kTypeKey);
        model_.SetMaxLength(1, 8);
        model_.SetColumnType(2, kTypeDate);
        ASSERT_EQ(model_.Columns().RecordSize(), int(sizeof(Rec)));
    }
    void Add(int key, const char* text, uint16_t date = 0) {
        Rec r = {key, {}, date};
        std::strncpy(r.text, text, sizeof r.text - 1);
        model_.SetCurrentCell(0, kNoRow);
        model_.InsertAtCurrent(&r);
    }
    std::vector<int> Keys() {
        model_.EnsureSorted();
        std::vector<int> keys;
        for (int r = 0; r < model_.Rows().Count(); ++r) keys.push_back(model_.NumberField(r, 0));
        return keys;
    }
    void SortBy(int col, bool ascending, bool noCase) {
        model_.Sort().SetColumn(1, col);
        model_.Sort().SetAscending(1, ascending);
        model_.Sort().SetNoCase(1, noCase);
        model_.MarkUnsorted();
    }
    GridModel model_;
};

TEST_F(SortModel, TextsDatesAndKeysCompareByType) {
    Add(3, "beta", PackDosDate(2001, 1, 1));
    Add(1, "Beta", PackDosDate(1999, 12, 31));
    Add(2, "alpha", PackDosDate(2001, 1, 2));
    Add(-5, "\xe9t\xe9", PackDosDate(1980, 1, 1));
    SortBy(2, true, false);
    EXPECT_EQ(Keys(), (std::vector<int>{-5, 1, 3, 2}));
    SortBy(0, false, false);
    EXPECT_EQ(Keys(), (std::vector<int>{3, 2, 1, -5}));
    SortBy(1, true, false);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 2, 3, -5})) << "bytes above 127 sort last";
    SortBy(1, true, true);
    EXPECT_EQ(Keys(), (std::vector<int>{2, 1, 3, -5})) << "Beta and beta equal: stays as before";
}

TEST(SortLongTexts, TextsThatShareALongBeginningStillSortByTheirWholeText) {
    GridModel model;
    model.SetColumnCount(2);
    model.SetColumnType(0, kTypeKey);
    model.SetMaxLength(1, 40);
    const char* texts[] = {"Quarterly planning meeting with B", "quarterly planning meeting with a",
                           "Quarterly planning meeting with C", "Quarterly planning meeting"};
    for (int k = 0; k < 4; ++k) {
        char record[44] = {};
        std::memcpy(record, &k, 4);
        std::strcpy(record + 4, texts[k]);
        model.SetCurrentCell(0, kNoRow);
        model.InsertAtCurrent(record);
    }
    auto keys = [&] {
        model.MarkUnsorted();
        model.EnsureSorted();
        std::vector<int> out;
        for (int r = 0; r < model.Rows().Count(); ++r) out.push_back(model.NumberField(r, 0));
        return out;
    };
    model.Sort().SetColumn(1, 1);
    model.Sort().SetNoCase(1, true);
    EXPECT_EQ(keys(), (std::vector<int>{3, 1, 0, 2}));
    model.Sort().SetAscending(1, false);
    EXPECT_EQ(keys(), (std::vector<int>{2, 0, 1, 3}));
    model.Sort().SetNoCase(1, false);
    EXPECT_EQ(keys(), (std::vector<int>{1, 2, 0, 3})) << "lower case after upper case";
}

// Random rows over a text of shared beginnings, a date and a key, under random levels: the sort
// must give the stable order of the level-by-level comparison, also where the sort's byte keys
// run out (long texts) or tie.
TEST(SortRowsModel, OrderEqualsTheStableSortOfTheLevelComparison) {
    ColumnSet columns;
    columns.Resize(3);
    columns.SetMaxLength(0, 40);
    columns.SetType(1, kTypeDate);
    columns.SetType(2, kTypeKey);
    const int size = columns.RecordSize();
    std::mt19937 random(7);
    const char* beginnings[] = {"",        "b",       "B",
                                "Project", "project", "Project Alpha Omega Beta Gamma"};
    const char* endings[] = {"", "a", "A", " x", "z"};
    for (int round = 0; round < 200; ++round) {
        RowStore rows;
        rows.Reset(size, -1);
        std::vector<char> record(size_t(size), 0);
        for (int i = 0; i < 60; ++i) {
            std::fill(record.begin(), record.end(), 0);
            std::string text = std::string(beginnings[random() % 6]) + endings[random() % 5];
            std::strcpy(&record[size_t(columns.At(0).offset)], text.c_str());
            const uint16_t date = static_cast<uint16_t>(random() % 3 * 40000);
            std::memcpy(&record[size_t(columns.At(1).offset)], &date, 2);
            const int32_t key = static_cast<int32_t>(random() % 5) - 2;
            std::memcpy(&record[size_t(columns.At(2).offset)], &key, 4);
            rows.Insert(rows.Count(), record.data());
        }
        std::vector<SortLevel> levels;
        for (int l = 0, n = 1 + int(random() % 3); l < n; ++l)
            levels.push_back(SortLevel{int(random() % 3), random() % 2 == 0, random() % 2 == 0});
        std::vector<std::vector<char>> before;
        for (int i = 0; i < rows.Count(); ++i)
            before.emplace_back(rows.Record(i), rows.Record(i) + size);
        std::vector<int> expected(before.size());
        for (size_t i = 0; i < expected.size(); ++i) expected[i] = int(i);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return CompareRecords(columns, levels, before[size_t(a)].data(),
                                  before[size_t(b)].data()) < 0;
        });
        ASSERT_EQ(SortRows(rows, columns, levels), expected) << "round " << round;
    }
}

TEST_F(SortModel, SortedPlaceAndCurrentRowFollowTheRecord) {
    Add(1, "m");
    Add(2, "c");
    Add(3, "x");
    model_.SetCurrentCell(1, 1);  // key 2, "c"
    SortBy(1, true, false);
    EXPECT_EQ(Keys(), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(model_.CurrentRow(), 0) << "the current row moved with its record";
    Add(4, "m");
    EXPECT_EQ(Keys(), (std::vector<int>{2, 1, 4, 3})) << "after its equals";
    EXPECT_EQ(model_.SetTextField(0, 1, "zz"), 3);
    EXPECT_EQ(Keys(), (std::vector<int>{1, 4, 3, 2}));
    EXPECT_EQ(model_.SetTextField(0, 1, "n"), 1) << "between m and x";
}

TEST_F(SortModel, LevelsBelowAnUnsetLevelDoNotCount) {
    Add(1, "b");
    Add(2, "a");
    model_.Sort().SetColumn(2, 1);  // level 2 without level 1
    model_.MarkUnsorted();
    EXPECT_EQ(Keys(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(model_.Sort().SetColumn(4, 1));
    EXPECT_FALSE(model_.Sort().Clear(0));
}

TEST_F(SortModel, ChangingTheLayoutEmptiesTheRows) {
    Add(1, "a");
    EXPECT_TRUE(model_.SetMaxLength(1, 20));
    EXPECT_EQ(model_.Rows().Count(), 0);
    EXPECT_EQ(model_.Columns().RecordSize(), 26);
    EXPECT_FALSE(model_.SetMaxLength(1, 0));
    EXPECT_FALSE(model_.SetColumnCount(-1));
}

}  // namespace
}  // namespace grid
}  // namespace tw
