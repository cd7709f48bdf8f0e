#include "view/table_order.h"

#include <gtest/gtest.h>

#include "tests/dialogs/export_test_document.h"

namespace tw {
namespace {

class TableOrderTest : public testing::ExportDocumentTest {
protected:
    TableOrderTest() {
        Add(9, 0, 600, web, "b");  // 0: 10:00 elapsed
        Add(8, 0, 90, app, "B");   // 1
        Add(10, 0, 90, web, "a");  // 2
        Add(7, 0, 540, app, "c");  // 3: 9:00 elapsed
    }
    std::vector<int> Order(std::initializer_list<SortLevel> levels) {
        DocumentSettings s = doc.Settings();
        s.sort = {};
        size_t i = 0;
        for (const SortLevel& level : levels) s.sort[i++] = level;
        doc.SetSettings(s);
        return TableRowOrder(doc);
    }
    static SortLevel By(int column, bool ascending = true, bool noCase = false) {
        SortLevel level;
        level.use = true;
        level.column = column;
        level.ascending = ascending;
        level.caseInsensitive = noCase;
        return level;
    }
};

TEST_F(TableOrderTest, ListOrderWithoutLevelsInUse) {
    EXPECT_EQ(Order({}), (std::vector<int>{0, 1, 2, 3}));
    SortLevel unused = By(1);
    unused.use = false;
    EXPECT_EQ(Order({unused, By(2)}), (std::vector<int>{0, 1, 2, 3}));  // level 2 needs level 1
    EXPECT_EQ(Order({By(0)}), (std::vector<int>{0, 1, 2, 3}));   // the key column is no level
    EXPECT_EQ(Order({By(15)}), (std::vector<int>{0, 1, 2, 3}));  // the grid has no column 15
}

TEST_F(TableOrderTest, GridColumnsCompareByTheirCellType) {
    EXPECT_EQ(Order({By(2)}), (std::vector<int>{3, 1, 0, 2}));         // start time
    EXPECT_EQ(Order({By(2, false)}), (std::vector<int>{2, 0, 1, 3}));  // descending
    EXPECT_EQ(Order({By(5, false)}),
              (std::vector<int>{3, 1, 2, 0}));  // elapsed is text: "10:00" < "1:30"
}

TEST_F(TableOrderTest, TextCaseAndFurtherLevelsAndStableTies) {
    EXPECT_EQ(Order({By(14)}), (std::vector<int>{1, 2, 0, 3}));              // "B" < "a"
    EXPECT_EQ(Order({By(14, true, true)}), (std::vector<int>{2, 0, 1, 3}));  // b, B keep order
    EXPECT_EQ(Order({By(9)}), (std::vector<int>{0, 2, 1, 3}));  // "Web" < "app", ties in list order
    EXPECT_EQ(Order({By(9), By(2, false)}), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(SortLevelsInUse(doc.Settings().sort).size(), 2u);
}

}  // namespace
}  // namespace tw
