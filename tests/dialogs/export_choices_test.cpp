#include "dialogs/export_choices.h"

#include <gtest/gtest.h>

#include "dialogs/export_file_names.h"

namespace tw {
namespace {

TEST(ExportChoices, ReportsLayoutForcesTheStoredFlags) {
    DocumentSettings settings;
    settings.columns[3].exported = false;
    settings.exporting.newFile = false;
    settings.exporting.allRecords = false;
    ExportChoices choices = ExportChoicesOf(settings);
    EXPECT_FALSE(choices.columns[3]);
    EXPECT_EQ(StoredExportChoices(choices), choices);  // kept as chosen without v1.x

    choices.options.reportsLayout = true;
    const ExportChoices stored = StoredExportChoices(choices);
    for (bool on : stored.columns) EXPECT_TRUE(on);
    EXPECT_FALSE(stored.options.headerRow);
    EXPECT_FALSE(stored.options.totalsRow);
    EXPECT_TRUE(stored.options.removeCarriageReturns);
    EXPECT_FALSE(stored.options.newFile);  // the file and record choices stay
    EXPECT_FALSE(stored.options.allRecords);

    TakeExportChoices(settings, stored);
    EXPECT_TRUE(settings.columns[3].exported);
    EXPECT_TRUE(settings.exporting.reportsLayout);
    EXPECT_EQ(ExportChoicesOf(settings), stored);
}

TEST(ExportFileNames, ProposedNameAndInitialFolder) {
    EXPECT_EQ(ProposedExportName("week.tw"), "week.txt");
    EXPECT_EQ(ProposedExportName("a.b.tw"), "a.b.txt");
    EXPECT_EQ(ProposedExportName("Untitled"), "Untitled.txt");
    EXPECT_EQ(ProposedExportName("end."), "end.txt");
    EXPECT_EQ(ExportInitialFolder("C:\\work\\week.tw"), "C:\\work");
    EXPECT_EQ(ExportInitialFolder("C:\\week.tw"), "C:\\");
    EXPECT_EQ(ExportInitialFolder("\\week.tw"), "\\");
    EXPECT_EQ(ExportInitialFolder("week.tw"), "");
    EXPECT_EQ(ExportInitialFolder(""), "");
}

}  // namespace
}  // namespace tw
