// The grid's data without its window: the current cell across sorting, inserting, overwriting
// and deleting; reading the current cell into buffers of any size; typed field writes; column
// lookup by name and the visible columns.

#include "grid/grid_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "grid/dtbl32.h"

namespace tw {
namespace grid {
namespace {

enum { kKey, kName, kDay, kTime, kMark, kColumns };

class GridModelTest : public ::testing::Test {
protected:
    GridModelTest() {
        model.SetColumnCount(kColumns);
        model.SetColumnType(kKey, kTypeKey);
        model.SetMaxLength(kName, 8);
        model.SetColumnType(kDay, kTypeDate);
        model.SetColumnType(kTime, kTypeTime);
        model.SetColumnType(kMark, kTypeMark);
    }

    // A row record with the key and as many bytes of `name` as given (no terminator added).
    std::vector<char> Record(int32_t key, const std::string& name) const {
        std::vector<char> record(size_t(model.Columns().RecordSize()), '\0');
        std::memcpy(record.data() + model.Columns().At(kKey).offset, &key, sizeof key);
        std::memcpy(record.data() + model.Columns().At(kName).offset, name.data(),
                    std::min<size_t>(name.size(), size_t(model.Columns().FieldSize(kName))));
        return record;
    }

    int Append(int32_t key, const std::string& name) {
        model.SetCurrentCell(kKey, kNoRow);
        return model.InsertAtCurrent(Record(key, name).data());
    }

    std::string Names() const {
        std::string names;
        for (int r = 0; r < model.Rows().Count(); ++r)
            names += std::string(model.Field(r, kName)) + " ";
        return names;
    }

    GridModel model;
};

TEST_F(GridModelTest, AutoSortSortsAtOnceAndTheCurrentRowFollowsItsRecord) {
    Append(1, "pear");
    Append(2, "Apple");
    Append(3, "fig");
    ASSERT_TRUE(model.SetCurrentCell(kName, 2));
    ASSERT_TRUE(model.SetColumnFlags(kName, kFlagAutoSort));
    EXPECT_EQ(Names(), "Apple fig pear ");
    EXPECT_EQ(model.CurrentRow(), 1);
    EXPECT_EQ(model.NumberField(model.CurrentRow(), kKey), 3);
    EXPECT_FALSE(model.SetColumnFlags(kColumns, kFlagAutoSort));

    // Inserting and overwriting keep the order; the written row stays current.
    Append(4, "banana");
    EXPECT_EQ(Names(), "Apple banana fig pear ");
    ASSERT_TRUE(model.SetCurrentCell(kName, 0));
    EXPECT_EQ(model.OverwriteCurrent(Record(2, "zucchini-long").data()), 3);
    EXPECT_EQ(Names(), "banana fig pear zucchin ");  // cut to the field, terminated
    EXPECT_EQ(model.CurrentRow(), 3);
}

TEST_F(GridModelTest, OverwriteAndDeleteNeedACurrentRow) {
    EXPECT_EQ(model.OverwriteCurrent(Record(1, "a").data()), -1);
    EXPECT_FALSE(model.DeleteCurrent());
    Append(1, "a");
    Append(2, "b");
    Append(3, "c");
    EXPECT_EQ(model.OverwriteCurrent(nullptr), -1);
    ASSERT_TRUE(model.SetCurrentCell(kName, 2));
    ASSERT_TRUE(model.DeleteCurrent());
    EXPECT_EQ(model.CurrentRow(), 1);  // the last row stays current
    ASSERT_TRUE(model.SetCurrentCell(kName, 0));
    ASSERT_TRUE(model.DeleteCurrent());
    EXPECT_EQ(model.CurrentRow(), 0);
    EXPECT_EQ(Names(), "b ");
    ASSERT_TRUE(model.DeleteCurrent());
    EXPECT_EQ(model.CurrentRow(), kNoCurrentRow);
    EXPECT_FALSE(model.DeleteCurrent());

    Append(5, "e");
    model.ClearRows();
    EXPECT_EQ(model.Rows().Count(), 0);
    EXPECT_EQ(model.CurrentRow(), kNoCurrentRow);
}

TEST_F(GridModelTest, ReadingTheCurrentCellFitsTheBuffer) {
    char buffer[16];
    EXPECT_FALSE(model.ReadCurrentCell(buffer, 0));  // no current row
    Append(0x01020304, "melon");
    ASSERT_TRUE(model.SetCurrentCell(kName, 0));
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(model.ReadCurrentCell(buffer, 0));  // the field's own size
    EXPECT_STREQ(buffer, "melon");
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(model.ReadCurrentCell(buffer, 4));
    EXPECT_STREQ(buffer, "mel");
    EXPECT_EQ(buffer[4], 'x');
    EXPECT_FALSE(model.ReadCurrentCell(nullptr, 4));
    EXPECT_FALSE(model.ReadCurrentCell(buffer, -1));

    // A number field is copied whole or not at all.
    ASSERT_TRUE(model.SetCurrentCell(kKey, 0));
    EXPECT_FALSE(model.ReadCurrentCell(buffer, 3));
    int32_t key = 0;
    ASSERT_TRUE(model.ReadCurrentCell(&key, 0));
    EXPECT_EQ(key, 0x01020304);
}

TEST_F(GridModelTest, FieldWritesTakeTheirColumnsWidthAndRefuseOtherTypes) {
    Append(1, "a");
    EXPECT_EQ(model.SetNumberField(0, kDay, PackDosDate(2024, 2, 29) | 0x7FFF0000), 0);
    EXPECT_EQ(model.ShortField(0, kDay), PackDosDate(2024, 2, 29));
    EXPECT_EQ(model.NumberField(0, kKey), 1);  // the neighbouring field is untouched
    EXPECT_EQ(model.SetNumberField(0, kTime, PackDosTime(9, 5, 30)), 0);
    EXPECT_EQ(model.ShortField(0, kTime), PackDosTime(9, 5, 30));
    EXPECT_EQ(model.SetNumberField(0, kMark, -1), 0);
    EXPECT_EQ(model.NumberField(0, kMark), -1);

    EXPECT_EQ(model.SetNumberField(0, kName, 5), -1);
    EXPECT_EQ(model.SetTextField(0, kKey, "5"), -1);
    EXPECT_EQ(model.SetNumberField(1, kKey, 5), -1);
    EXPECT_EQ(model.SetNumberField(0, kColumns, 5), -1);
    EXPECT_EQ(model.SetTextField(0, kName, "a long name"), 0);
    EXPECT_STREQ(model.Field(0, kName), "a long ");
}

TEST_F(GridModelTest, FixedSizeColumnsKeepTheirSizeAndTextColumnsCheckTheirs) {
    const int recordSize = model.Columns().RecordSize();
    EXPECT_EQ(recordSize, kKeyFieldSize + 8 + kDateFieldSize + kTimeFieldSize + kMarkFieldSize);
    EXPECT_TRUE(model.SetMaxLength(kKey, 100));
    EXPECT_EQ(model.Columns().RecordSize(), recordSize);
    EXPECT_FALSE(model.SetMaxLength(kName, 0));
    EXPECT_FALSE(model.SetMaxLength(kColumns, 8));
    EXPECT_FALSE(model.SetColumnType(kName, 0x99));
    EXPECT_TRUE(IsNumericType(kTypeMark));
    EXPECT_FALSE(IsNumericType(kTypeDate));
}

TEST(ColumnSet, FindPrefersTheExactNameAndVisibleColumnsSkipHidden) {
    ColumnSet columns;
    ASSERT_TRUE(columns.Resize(4));
    columns.At(0).name = "NAME";
    columns.At(1).name = "name";
    columns.At(2).name = "Rate";
    columns.At(2).flags = kFlagHidden;
    EXPECT_EQ(columns.Find("name"), 1);
    EXPECT_EQ(columns.Find("Name"), 0);  // ignoring case, the first one
    EXPECT_EQ(columns.Find("RATE"), 2);
    EXPECT_EQ(columns.Find("charge"), -1);
    EXPECT_EQ(columns.VisibleColumns(), (std::vector<int>{0, 1, 3}));
    EXPECT_FALSE(columns.Resize(-1));
    EXPECT_FALSE(columns.Resize(100000));
}

}  // namespace
}  // namespace grid
}  // namespace tw
