#include "framework/win32/print.h"

namespace tw {

bool PrinterPageSink::BeginDocument(const std::string& name) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    return ::StartDocA(dc_, &info) > 0;
}

HDC PrinterPageSink::BeginPage(int) { return ::StartPage(dc_) > 0 ? dc_ : nullptr; }

bool PrinterPageSink::EndPage(int) { return ::EndPage(dc_) > 0; }

void PrinterPageSink::EndDocument(bool completed) {
    if (completed) {
        ::EndDoc(dc_);
    } else {
        ::AbortDoc(dc_);
    }
}

RECT PageRectOf(HDC dc) {
    return RECT{0, 0, ::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, VERTRES)};
}

bool PrintPages(IPrintable& view, CPrintInfo& info, IPageSink& sink) {
    HDC reference = sink.ReferenceDC();
    info.drawArea = sink.PageRect();
    view.OnBeginPrinting(reference, info);
    if (!sink.BeginDocument(info.documentName)) {
        view.OnEndPrinting(reference, info);
        return false;
    }
    bool ok = true;
    for (int page = info.minPage; ok && page <= info.maxPage && info.continuePrinting; ++page) {
        HDC dc = sink.BeginPage(page);
        if (dc == nullptr) {
            ok = false;
            break;
        }
        info.currentPage = page;
        int saved = ::SaveDC(dc);
        view.OnPrint(dc, info);
        ::RestoreDC(dc, saved);
        ok = sink.EndPage(page);
    }
    sink.EndDocument(ok);
    view.OnEndPrinting(reference, info);
    return ok;
}

}  // namespace tw
