#pragma once
// The print preview: a window over the main frame's client area that shows one page at a time
// as the view prints it, with buttons for the next and previous page, zoom and close. Each
// page is recorded into an enhanced metafile on the printer's device (a letter page on the
// screen's device when there is no printer) and played back scaled to the window.

#include <windows.h>

#include <string>

#include "framework/win32/print.h"
#include "framework/win32/window.h"

namespace tw {

class CMDIFrame;
class CView;

class CPrintPreview : public CWindowImpl {
public:
    static constexpr int kMaxZoom = 2;

    // Paginates view and opens the preview on page 1 in frame; null when it cannot be made.
    // The preview deletes itself when it closes.
    static CPrintPreview* Open(CMDIFrame& frame, CView& view);

    // Attributes
    int PageCount() const { return info_.maxPage; }
    int CurrentPage() const { return info_.currentPage; }
    int Zoom() const { return zoom_; }
    const CView& View() const { return view_; }
    // "Page 2 of 5" (or "Page 1" of a document without pages).
    std::string PageText() const;
    // The recorded picture of the current page (owned by the preview).
    HENHMETAFILE CurrentPicture() const { return picture_; }

    // Operations
    void NextPage();
    void PrevPage();
    void ZoomIn();
    void ZoomOut();
    // Ends the preview: the view's print end, the frame's layout, the view's preview end.
    void Close();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override { delete this; }

private:
    CPrintPreview(CMDIFrame& frame, CView& view);
    ~CPrintPreview() override;

    bool Start();
    void CreateButtons();
    void ShowPage(int page);
    void RecordPage();
    void UpdateControls();
    void LayoutButtons(int width);
    RECT PageArea() const;
    void Paint();
    void OnButton(UINT id);

    CMDIFrame& frame_;
    CView& view_;
    CPrintInfo info_;
    HDC reference_ = nullptr;  // printer or screen device the pages are measured on
    bool ownsReference_ = false;
    RECT page_{0, 0, 0, 0};  // the page in reference units
    HENHMETAFILE picture_ = nullptr;
    int zoom_ = 0;
    bool closing_ = false;
};

}  // namespace tw
