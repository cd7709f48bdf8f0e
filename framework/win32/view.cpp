#include "framework/win32/view.h"

#include "framework/command_ids.h"
#include "framework/framework_texts.h"
#include "framework/prompt.h"
#include "framework/win32/app.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/print_preview.h"

namespace tw {

namespace {

const char kViewClass[] = "TwView";

}  // namespace

CView::CView() {
    OnCommand(kCmdFilePrint, [this] { FilePrint(); });
    OnCommand(kCmdFilePrintPreview, [this] { FilePrintPreview(); });
}

CView::~CView() {
    if (document_ != nullptr) document_->RemoveView(this);
}

const char* CView::WindowClassName() const {
    RegisterImplClass(kViewClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return kViewClass;
}

bool CView::Create(CMDIChild& frame, CAppDocument& doc) {
    frame_ = &frame;
    document_ = &doc;
    doc.AddView(this);
    RECT rc = frame.ClientRect();
    return CreateImpl(0, WindowClassName(), "", WindowStyle(), rc, frame.Handle(),
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kMdiClientId)));
}

void CView::OnUpdate(CView*, long) {
    if (IsWindow()) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CView::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    OnDraw(dc);
    ::EndPaint(hwnd_, &ps);
}

LRESULT CView::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: Paint(); return 0;
        case WM_TIMER: OnTimer(wp); return 0;
        case WM_DESTROY:
            ClosePreviewOfThis();
            if (document_ != nullptr) document_->RemoveView(this);
            document_ = nullptr;
            break;
        default: break;
    }
    return DefProc(msg, wp, lp);
}

void CView::OnEndPrintPreview() {
    if (frame_ != nullptr) frame_->RelayoutAfterPreview();
}

bool CView::FilePrint(bool direct) {
    CPrintInfo info;
    if (!OnPreparePrinting(info) || TheApp() == nullptr) return false;
    PrinterSettings& printer = TheApp()->Printer();
    HDC dc = direct ? printer.CreatePrinterDC()
                    : printer.AskPrintDC(TheApp()->MainWindow(), info.minPage, info.maxPage);
    if (dc == nullptr) {
        if (direct) Tell(kTextPrintJobFailed, PromptIcon::Error);  // there is no printer
        return false;
    }
    bool ok = PrintTo(dc);
    ::DeleteDC(dc);
    return ok;
}

bool CView::PrintTo(HDC printer) {
    CPrintInfo info;
    info.documentName = document_ != nullptr ? document_->GetTitle() : std::string();
    PrinterPageSink sink(printer);
    if (PrintPages(*this, info, sink)) return true;
    Tell(kTextPrintJobFailed, PromptIcon::Error);
    return false;
}

bool CView::FilePrintPreview() {
    CMDIFrame* main = TheApp() != nullptr ? TheApp()->MainFrame() : nullptr;
    if (main == nullptr || main->Preview() != nullptr) return false;  // one preview at a time
    CPrintInfo info;
    info.preview = true;
    if (!OnPreparePrinting(info)) return false;
    return CPrintPreview::Open(*main, *this) != nullptr;
}

void CView::ClosePreviewOfThis() {
    CMDIFrame* main = TheApp() != nullptr ? TheApp()->MainFrame() : nullptr;
    CPrintPreview* preview = main != nullptr ? main->Preview() : nullptr;
    if (preview != nullptr && &preview->View() == this) preview->Close();
}

}  // namespace tw
