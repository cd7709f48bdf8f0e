// Printing and preview: pagination sets the page count, the preview draws the pages it is asked
// for into pictures, and closing it lays the frame out again.
#include <gtest/gtest.h>

#include "framework/win32/print_preview.h"
#include "test_support.h"

namespace tw::test {
namespace {

int pagesToMake = 3;

// Paginates into pagesToMake pages and writes "Page n" on each page it is asked to draw.
class PagedView : public LoggingView {
public:
    std::vector<int> drawn;
    int begins = 0, ends = 0, previewEnds = 0;
    RECT pageSeen{0, 0, 0, 0};

    void OnBeginPrinting(HDC, CPrintInfo& info) override {
        ++begins;
        pageSeen = info.drawArea;
        info.maxPage = pagesToMake;
    }
    void OnPrint(HDC dc, CPrintInfo& info) override {
        drawn.push_back(info.currentPage);
        std::string text = "Page " + std::to_string(info.currentPage);
        ::TextOutA(dc, 100, 100, text.c_str(), static_cast<int>(text.size()));
    }
    void OnEndPrinting(HDC, CPrintInfo&) override { ++ends; }
    void OnEndPrintPreview() override {
        ++previewEnds;
        LoggingView::OnEndPrintPreview();
    }
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    if (record->iType != EMR_EXTTEXTOUTA && record->iType != EMR_EXTTEXTOUTW) return 1;
    const auto* text = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    const BYTE* chars = reinterpret_cast<const BYTE*>(record) + text->emrtext.offString;
    size_t step = record->iType == EMR_EXTTEXTOUTW ? 2 : 1;
    std::string s;
    for (DWORD i = 0; i < text->emrtext.nChars; ++i) s += static_cast<char>(chars[step * i]);
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(s);
    return 1;
}

// The texts a recorded picture draws.
std::vector<std::string> TextsOf(HENHMETAFILE picture) {
    std::vector<std::string> texts;
    ::EnumEnhMetaFile(nullptr, picture, &CollectText, &texts, nullptr);
    return texts;
}

TEST(PrintPreview, ShowsThePaginatedPagesOneByOne) {
    pagesToMake = 3;
    TestApp app(IsolatedKeyPath("preview"), [] { return std::make_unique<PagedView>(); });
    ASSERT_NE(app.NewDocument(), nullptr);
    CMDIFrame& main = *app.MainFrame();
    auto* view = static_cast<PagedView*>(main.ActiveView());

    ASSERT_TRUE(view->FilePrintPreview());
    CPrintPreview* preview = main.Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(view->begins, 1);
    EXPECT_GT(view->pageSeen.right, 0);
    EXPECT_GT(view->pageSeen.bottom, view->pageSeen.right);  // a portrait page
    EXPECT_EQ(preview->PageCount(), 3);
    EXPECT_EQ(preview->PageText(), "Page 1 of 3");
    EXPECT_EQ(view->drawn, (std::vector<int>{1}));
    EXPECT_EQ(TextsOf(preview->CurrentPicture()), (std::vector<std::string>{"Page 1"}));
    EXPECT_FALSE(::IsWindowVisible(main.MdiClient()));

    preview->NextPage();
    preview->NextPage();
    preview->NextPage();  // already on the last page
    preview->PrevPage();
    EXPECT_EQ(view->drawn, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(TextsOf(preview->CurrentPicture()), (std::vector<std::string>{"Page 2"}));

    for (int i = 0; i < 4; ++i) preview->ZoomIn();
    EXPECT_EQ(preview->Zoom(), CPrintPreview::kMaxZoom);
    for (int i = 0; i < 4; ++i) preview->ZoomOut();
    EXPECT_EQ(preview->Zoom(), 0);

    EXPECT_FALSE(view->FilePrintPreview());  // one preview at a time
    EXPECT_EQ(main.Preview(), preview);

    preview->Close();
    EXPECT_EQ(main.Preview(), nullptr);
    EXPECT_EQ(view->ends, 1);
    EXPECT_EQ(view->previewEnds, 1);
    EXPECT_TRUE(::IsWindowVisible(main.MdiClient()));
    EXPECT_TRUE(main.ToolBar().IsVisible());

    // Closing the document while its preview is open ends the preview first.
    ASSERT_TRUE(view->FilePrintPreview());
    view->GetDocument()->OnCloseDocument();
    EXPECT_EQ(main.Preview(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(main.MdiClient()));
}

TEST(PrintPreview, NoPagesAndAFailedPrintJob) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    pagesToMake = 0;
    TestApp app(IsolatedKeyPath("preview-empty"), [] { return std::make_unique<PagedView>(); });
    ASSERT_NE(app.NewDocument(), nullptr);
    auto* view = static_cast<PagedView*>(app.MainFrame()->ActiveView());
    ASSERT_TRUE(view->FilePrintPreview());
    CPrintPreview* preview = app.MainFrame()->Preview();
    EXPECT_EQ(preview->PageCount(), 0);
    EXPECT_EQ(preview->PageText(), "Page 1");
    preview->NextPage();
    EXPECT_TRUE(view->drawn.empty());
    preview->Close();

    // A device that cannot start a job: begin and end still pair up, nothing is drawn.
    pagesToMake = 2;
    HDC memory = ::CreateCompatibleDC(nullptr);
    EXPECT_FALSE(view->PrintTo(memory));
    ::DeleteDC(memory);
    EXPECT_EQ(view->begins, 2);
    EXPECT_EQ(view->ends, 2);
    EXPECT_TRUE(view->drawn.empty());
    ASSERT_EQ(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], "Could not start print job.");
}

TEST(PrintPreview, PrintingAFileFromTheCommandLineClosesItAgain) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    pagesToMake = 1;
    TestApp app(IsolatedKeyPath("print-direct"), [] { return std::make_unique<PagedView>(); });
    HDC printer = app.Printer().CreatePrinterDC();
    if (printer != nullptr) {
        ::DeleteDC(printer);
        GTEST_SKIP() << "a printer is installed; this test must not print";
    }
    std::string path = TempPath("tw_print_direct.twt");
    CAppDocument* doc = app.NewDocument();
    ASSERT_TRUE(doc->DoSave(path));
    doc->OnCloseDocument();

    EXPECT_FALSE(app.ProcessShellCommand(CommandLineInfo{StartAction::Print, path}));
    EXPECT_EQ(prompter.Shown(), (std::vector<std::string>{"Could not start print job."}));
    EXPECT_TRUE(app.Template().Documents().empty());
    ::DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace tw::test
