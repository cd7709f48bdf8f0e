#include "dialogs/win32/table_printer.h"

#include "app/res/resource.h"
#include "dialogs/win32/print_font_dc.h"
#include "dialogs/win32/print_prefs_dlg.h"
#include "doc/document.h"
#include "framework/win32/message_box.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

void Draw(HDC dc, const PrintDrawOp& op) {
    const int length = static_cast<int>(op.text.size());
    if (op.kind == PrintDrawOp::kText) {
        ::TextOutA(dc, op.x, op.y, op.text.c_str(), length);
        return;
    }
    RECT box{op.x, op.y, op.right, op.bottom};
    ::DrawTextA(dc, op.text.c_str(), length, &box, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

PrintTexts TextsFromStringTable() {
    PrintTexts texts;
    texts.pageWord = LoadResourceString(IDS_PAGE);
    texts.totalWord = LoadResourceString(IDS_TOTAL);
    return texts;
}

}  // namespace

bool AskPrintPreferences(CWorkmetrDoc& doc, HWND owner) {
    CPrintPrefsDlg dialog(doc.Settings(), owner);
    if (dialog.DoModal() != IDOK) return false;
    DocumentSettings settings = doc.Settings();
    TakePrintChoices(settings, dialog.Choices());
    doc.SetSettings(settings);
    return true;
}

void CTablePrinter::Begin(HDC dc, CPrintInfo& info, const CWorkmetrDoc& doc, ExportTable table) {
    doc_ = &doc;
    table_ = std::move(table);
    const PrintSettings& settings = doc.Settings().printing;
    PrintFontOnDC font(dc, settings);
    const PageMetrics metrics = font.Metrics(info.drawArea, settings);
    lineCounts_ = RowLineCounts(doc, table_.rows, metrics, font);
    pages_ =
        Paginate(lineCounts_, metrics.linesPerPage, settings.blankLineBetween, settings.totals);
    info.maxPage = pages_.PageCount();
    if (info.preview) info.currentPage = 1;
}

void CTablePrinter::PrintPage(HDC dc, const CPrintInfo& info) {
    if (doc_ == nullptr) return;
    const DocumentSettings& settings = doc_->Settings();
    PrintFontOnDC font(dc, settings.printing);
    const PageMetrics metrics = font.Metrics(info.drawArea, settings.printing);
    ::IntersectClipRect(dc, metrics.leftMargin, metrics.topMargin,
                        metrics.pageWidth - metrics.leftMargin,
                        metrics.pageHeight - metrics.topMargin);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const PrintJob job{*doc_, table_, lineCounts_, pages_, TextsFromStringTable()};
    for (const PrintDrawOp& op : LayoutPage(job, metrics, info.currentPage - 1)) Draw(dc, op);
    if (NothingSelectedToPrint(settings, pages_.rowCount))
        TellResource(IDS_NOTHING_TO_PRINT, {}, PromptIcon::Information);
}

void CTablePrinter::End() {
    doc_ = nullptr;
    table_ = ExportTable{};
    lineCounts_.clear();
    pages_ = Pagination{};
}

}  // namespace tw
