#pragma once
// The print flow a view takes part in: prepare (the print dialog), begin (pagination sets the
// page count), print each page, end. Pages go to a page sink: the printer, or the preview's
// pictures. The flow never creates a device itself, so a test hands it any device context.

#include <windows.h>

#include <string>

namespace tw {

struct CPrintInfo {
    int minPage = 1;
    int maxPage = 0;  // 0 until pagination has set it
    int currentPage = 1;
    bool preview = false;
    bool continuePrinting = true;  // a view may clear it to stop after a page
    RECT drawArea{0, 0, 0, 0};     // the page in device units, set before begin
    std::string documentName;
};

// What a view offers to the flow.
class IPrintable {
public:
    virtual ~IPrintable() = default;
    virtual void OnBeginPrinting(HDC dc, CPrintInfo& info) = 0;
    virtual void OnPrint(HDC dc, CPrintInfo& info) = 0;
    virtual void OnEndPrinting(HDC dc, CPrintInfo& info) = 0;
};

// Where printed pages go. Each returns false when the page or document could not be started.
class IPageSink {
public:
    virtual ~IPageSink() = default;
    virtual HDC ReferenceDC() const = 0;  // the device pagination measures on
    virtual RECT PageRect() const = 0;    // the page in that device's units
    virtual bool BeginDocument(const std::string& name) = 0;
    virtual HDC BeginPage(int page) = 0;  // the device to draw page on, or null on failure
    virtual bool EndPage(int page) = 0;
    virtual void EndDocument(bool completed) = 0;
};

// The page of a device in device units.
RECT PageRectOf(HDC dc);

// Pages of a printer device context: StartDoc, StartPage, EndPage, EndDoc (or AbortDoc).
class PrinterPageSink : public IPageSink {
public:
    explicit PrinterPageSink(HDC printer) : dc_(printer) {}
    HDC ReferenceDC() const override { return dc_; }
    RECT PageRect() const override { return PageRectOf(dc_); }
    bool BeginDocument(const std::string& name) override;
    HDC BeginPage(int page) override;
    bool EndPage(int page) override;
    void EndDocument(bool completed) override;

private:
    HDC dc_;
};

// Runs begin, every page from info.minPage to the page count, and end. False when the job
// could not start or a page failed; end is called in any case.
bool PrintPages(IPrintable& view, CPrintInfo& info, IPageSink& sink);

}  // namespace tw
