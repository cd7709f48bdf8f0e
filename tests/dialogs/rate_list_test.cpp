// The rate list editor's working copy and its list file: edits stay on the copy until applied,
// deleted slots are not reused in the same run, and an exported list imports back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/rate_list_file.h"
#include "dialogs/rate_list_model.h"
#include "framework/file_replace.h"
#include "tests/dialogs/export_test_document.h"
#include "tests/doc/document_temp_folder.h"

namespace tw::testing {
namespace {

using Indices = std::vector<int>;

class RateListTest : public ExportDocumentTest {
protected:
    std::string NameOf(const RateListModel& model, int index) {
        const CProjectCost* item = model.ShownItem(index);
        return item != nullptr ? item->GetName() : "<none>";
    }
};

TEST_F(RateListTest, EditsStayOnTheCopyAndDeletedSlotsAreNotReusedBeforeApply) {
    Add(9, 0, 30, web);
    RateListModel model(doc, 7);  // a bad list shows the projects
    EXPECT_EQ(model.CurrentList(), kProjectList);
    EXPECT_EQ(model.ShownIndices(), (Indices{web, app}));

    EXPECT_TRUE(model.Delete(web));
    EXPECT_FALSE(model.Delete(web)) << "already deleted";
    for (int bad : {0, -1, 3, 1000}) EXPECT_FALSE(model.Delete(bad)) << bad;
    EXPECT_EQ(model.AddNew(), 3) << "the deleted slot stays taken";
    EXPECT_EQ(NameOf(model, 3), "Project Name");
    model.SetCurrentList(kClientList);
    EXPECT_EQ(NameOf(model, model.AddNew()), "Client Name");

    EXPECT_EQ(doc.GetItemList(kProjectList)->size(), 3u) << "the document is untouched";
    EXPECT_EQ((*doc.GetItemList(kProjectList))[size_t(web)]->GetName(), "Web");
    EXPECT_EQ(doc.GetItemList(kClientList)->size(), 2u);
}

TEST_F(RateListTest, CellEditsCutNamesAndReadRatesAsMoney) {
    RateListModel model(doc, kProjectList);
    EXPECT_TRUE(model.SetName(web, std::string(80, 'n')));
    EXPECT_EQ(NameOf(model, web), std::string(63, 'n'));
    EXPECT_TRUE(model.SetName(web, ""));
    EXPECT_EQ(NameOf(model, web), std::string(63, 'n')) << "an empty name keeps the item";

    const std::pair<const char*, float> rates[] = {
        {"$1,234.50", 1234.5f}, {"12.5", 12.5f}, {"abc", 0.0f}, {"", 0.0f}};
    for (const auto& [text, rate] : rates) {
        EXPECT_TRUE(model.SetRateText(app, text));
        EXPECT_FLOAT_EQ(model.ShownItem(app)->GetRate(), rate) << text;
    }
    EXPECT_FALSE(model.SetRateText(0, "5")) << "slot 0 is never edited";
    EXPECT_FALSE(model.SetName(99, "x"));
}

TEST_F(RateListTest, DuplicatesAreExactAndUnusedAreThoseNoRecordBooks) {
    doc.AddItem(kProjectList, CProjectCost("web", 1.0f));  // differs from Web in case only
    const int twin = doc.AddItem(kProjectList, CProjectCost("app", 2.0f));
    Add(9, 0, 30, web);
    RateListModel model(doc, kProjectList);
    EXPECT_EQ(model.DuplicateIndices(), (Indices{app, twin}));
    model.Delete(twin);
    EXPECT_TRUE(model.DuplicateIndices().empty()) << "a deleted item is no double";
    EXPECT_EQ(model.UnusedIndices(), (Indices{app, 3}));
}

TEST_F(RateListTest, ApplyEmptiesDeletedSlotsClearsTheirReferencesAndTakesTheOptions) {
    const int record = doc.GetRecordCount();
    Add(9, 0, 30, web);
    Add(10, 0, 30, app);
    ChangeSettings([](DocumentSettings& s) { s.defaults.project = 1; });
    doc.RemoveRecord(record + 1);  // the remembered record books `app`
    ASSERT_EQ(doc.GetTemplateRecord().GetProjectIndex(), app);
    doc.SetModifiedFlag(false);

    RateListModel model(doc, kProjectList);
    model.Delete(web);
    model.Delete(app);
    model.SetCurrentList(kCategoryList);
    model.Delete(design);
    model.Options() = {kClientList, true, true};
    model.ApplyTo(doc);

    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.IsValidItemIndex(kProjectList, web));
    EXPECT_FALSE(doc.IsValidItemIndex(kCategoryList, design));
    EXPECT_EQ(doc.GetItemList(kProjectList)->size(), 3u) << "indices stay";
    EXPECT_EQ(doc.GetRecord(record)->GetProjectIndex(), 0);
    EXPECT_EQ(doc.GetRecord(record)->GetCategoryIndex(), 0);
    EXPECT_EQ(doc.GetRecord(record)->GetClientIndex(), acme) << "clients were kept";
    EXPECT_EQ(doc.Settings().defaults.project, 0);
    EXPECT_EQ(doc.GetTemplateRecord().GetProjectIndex(), 0);
    const RateSettings& rates = doc.Settings().rates;
    EXPECT_EQ(rates.rateSource, kClientList);
    EXPECT_TRUE(rates.includeRatesInMenu);
    EXPECT_TRUE(rates.alwaysSortItems);
}

TEST_F(RateListTest, FileLinesInSlotOrderOrSortedWithoutRegardToCase) {
    doc.AddItem(kProjectList, CProjectCost("Beta", 1234.5f));
    RateListModel model(doc, kProjectList);
    model.Delete(web);
    EXPECT_EQ(RateListFileText(model, false), "app\t$30.00\r\nBeta\t$1,234.50\r\n");
    model.AddNew();
    EXPECT_EQ(RateListFileText(model, true),
              "app\t$30.00\r\nBeta\t$1,234.50\r\nProject Name\t$0.00\r\n");
}

TEST_F(RateListTest, ImportTakesOnlyLinesWithATabAndTextOnBothSides) {
    RateListModel model(doc, kCategoryList);
    model.Delete(design);
    const RateListImport result = ImportRateListText(
        "No tab here\r\n\t5\r\nEmpty rate\t\r\nLF only\t12.5\nMoney\t$1,234.50\r\n"
        "Garbage\tabc\r\n\r\nLast\t7",
        model);
    EXPECT_EQ(result.added, 4);
    EXPECT_FALSE(result.outOfMemory);
    EXPECT_EQ(model.ShownIndices(), (Indices{2, 3, 4, 5}));
    EXPECT_EQ(NameOf(model, 2), "LF only");
    EXPECT_FLOAT_EQ(model.ShownItem(2)->GetRate(), 12.5f);
    EXPECT_FLOAT_EQ(model.ShownItem(3)->GetRate(), 1234.5f);
    EXPECT_FLOAT_EQ(model.ShownItem(4)->GetRate(), 0.0f);
    EXPECT_EQ(NameOf(model, 5), "Last");

    std::string name, rate;
    EXPECT_TRUE(SplitRateListLine("a\tb\tc", name, rate));
    EXPECT_EQ(rate, "b\tc") << "the name ends at the first tab";
}

class RateListFileTest : public RateListTest {
protected:
    // Replaces by removing the old file first, as the C runtime's rename cannot under Windows.
    class RemovingReplace : public PortableFileReplace {
    public:
        bool Replace(const std::string& from, const std::string& to) override {
            std::remove(to.c_str());
            return PortableFileReplace::Replace(from, to);
        }
    } replace;
    TempFolder folder{"tw_rate_list_"};
};

TEST_F(RateListFileTest, AnExportedListImportsBackWithItsRates) {
    doc.AddItem(kProjectList, CProjectCost("Big", 1234.5f));
    RateListModel source(doc, kProjectList);
    const std::string path = folder.File("projects.txt");
    ASSERT_EQ(WriteRateListFile(path, RateListFileText(source, false), replace),
              FileErrorCause::None);

    CWorkmetrDoc other;
    other.OnNewDocument();
    RateListModel target(other, kProjectList);
    const RateListImport result = ImportRateListFile(path, target);
    EXPECT_EQ(result.failure, FileErrorCause::None);
    ASSERT_EQ(result.added, 3);
    EXPECT_EQ(RateListFileText(target, false), RateListFileText(source, false));
    EXPECT_FLOAT_EQ(target.ShownItem(3)->GetRate(), 1234.5f);
}

TEST_F(RateListFileTest, FilesThatCannotBeOpenedChangeNothing) {
    RateListModel model(doc, kProjectList);
    const RateListImport missing = ImportRateListFile(folder.File("missing.txt"), model);
    EXPECT_EQ(missing.failure, FileErrorCause::FileNotFound);
    EXPECT_EQ(missing.added, 0);
    EXPECT_EQ(model.ShownIndices().size(), 2u);

    EXPECT_EQ(WriteRateListFile(folder.File("no/such/folder.txt"), "x", replace),
              FileErrorCause::BadPath);
}

}  // namespace
}  // namespace tw::testing
