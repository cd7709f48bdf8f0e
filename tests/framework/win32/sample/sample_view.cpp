#include "sample_view.h"

#include <algorithm>

#include "sample_doc.h"
#include "sample_resources.h"

namespace tw::sample {

CSampleView::CSampleView() : CFormView(IDD_SAMPLE_FORM) {}

CSampleDoc* CSampleView::Doc() const { return static_cast<CSampleDoc*>(GetDocument()); }

void CSampleView::OnInitialUpdate() { OnUpdate(nullptr, 0); }

void CSampleView::OnUpdate(CView*, long) {
    filling_ = true;
    UpdateData(false);
    filling_ = false;
}

void CSampleView::DoDataExchange(CDataExchange& dx) {
    CSampleDoc* doc = Doc();
    std::string notes = doc->notes;
    dx.Text(IDC_NOTES, notes);
    if (dx.Saving()) doc->SetNotes(notes);
    int count = doc->count;
    int lines = doc->linesPerPage;
    dx.Text(IDC_COUNT, count);
    dx.Text(IDC_LINES, lines);
}

bool CSampleView::OnControlCommand(UINT id, UINT code, HWND) {
    if (id != IDC_NOTES || code != EN_CHANGE || filling_) return false;
    std::string notes(static_cast<size_t>(::GetWindowTextLengthA(Item(IDC_NOTES))) + 1, '\0');
    ::GetWindowTextA(Item(IDC_NOTES), &notes[0], static_cast<int>(notes.size()));
    Doc()->SetNotes(notes.c_str());
    return true;
}

int CSampleView::PrintedLines() const {
    return Doc()->count + 1 +
           static_cast<int>(std::count(Doc()->notes.begin(), Doc()->notes.end(), '\n'));
}

bool CSampleView::OnPreparePrinting(CPrintInfo&) { return true; }

void CSampleView::OnBeginPrinting(HDC, CPrintInfo& info) {
    int perPage = std::max(1, Doc()->linesPerPage);
    info.maxPage = (PrintedLines() + perPage - 1) / perPage;
}

void CSampleView::OnPrint(HDC dc, CPrintInfo& info) {
    int perPage = std::max(1, Doc()->linesPerPage);
    int lineHeight = std::max<LONG>(1, info.drawArea.bottom / (perPage + 4));
    int margin = info.drawArea.right / 10;
    HFONT font = ::CreateFontA(-lineHeight * 4 / 5, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    std::string header = Doc()->GetTitle() + " - page " + std::to_string(info.currentPage);
    ::TextOutA(dc, margin, lineHeight, header.c_str(), static_cast<int>(header.size()));
    int first = (info.currentPage - 1) * perPage;
    int last = std::min(PrintedLines(), first + perPage);
    for (int line = first; line < last; ++line) {
        std::string text = "Line " + std::to_string(line + 1);
        ::TextOutA(dc, margin, lineHeight * (3 + line - first), text.c_str(),
                   static_cast<int>(text.size()));
    }
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
}

}  // namespace tw::sample
