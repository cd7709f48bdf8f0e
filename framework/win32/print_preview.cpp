#include "framework/win32/print_preview.h"

#include "framework/framework_texts.h"
#include "framework/message_text.h"
#include "framework/win32/app.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/view.h"

namespace tw {

namespace {

const char kPreviewClass[] = "TwPrintPreview";

// Button ids and texts of the preview's button row.
enum : UINT {
    kPrevButton = 1,
    kNextButton,
    kZoomInButton,
    kZoomOutButton,
    kCloseButton,
    kPageLabel
};
const int kButtonWidth = 80;
const int kButtonHeight = 24;
const int kRowHeight = 32;
const int kGap = 6;
const int kShadow = 3;

// A letter page (8.5 x 11 inches) in the units of a device without a page of its own.
RECT LetterPageOf(HDC dc) {
    return RECT{0, 0, ::GetDeviceCaps(dc, LOGPIXELSX) * 17 / 2,
                ::GetDeviceCaps(dc, LOGPIXELSY) * 11};
}

// The frame rectangle of a recording in hundredths of a millimetre.
RECT HimetricOf(HDC dc, const RECT& page) {
    int dpiX = ::GetDeviceCaps(dc, LOGPIXELSX);
    int dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
    return RECT{0, 0, ::MulDiv(page.right, 2540, dpiX), ::MulDiv(page.bottom, 2540, dpiY)};
}

}  // namespace

CPrintPreview::CPrintPreview(CMDIFrame& frame, CView& view) : frame_(frame), view_(view) {}

CPrintPreview::~CPrintPreview() {
    if (picture_ != nullptr) ::DeleteEnhMetaFile(picture_);
    if (reference_ != nullptr) {
        if (ownsReference_) {
            ::DeleteDC(reference_);
        } else {
            ::ReleaseDC(nullptr, reference_);
        }
    }
}

CPrintPreview* CPrintPreview::Open(CMDIFrame& frame, CView& view) {
    auto* preview = new CPrintPreview(frame, view);
    if (!preview->Start()) {
        delete preview;
        return nullptr;
    }
    return preview;
}

bool CPrintPreview::Start() {
    reference_ = TheApp() != nullptr ? TheApp()->Printer().CreatePrinterDC() : nullptr;
    ownsReference_ = reference_ != nullptr;
    if (reference_ == nullptr) reference_ = ::GetDC(nullptr);
    page_ = ownsReference_ ? PageRectOf(reference_) : LetterPageOf(reference_);
    RegisterImplClass(kPreviewClass, CS_HREDRAW | CS_VREDRAW, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    RECT rc = frame_.ClientRect();
    if (!CreateImpl(0, kPreviewClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rc,
                    frame_.Handle(), nullptr)) {
        return false;
    }
    CreateButtons();
    LayoutButtons(rc.right - rc.left);
    info_.preview = true;
    info_.drawArea = page_;
    view_.OnBeginPrinting(reference_, info_);
    frame_.BeginPreview(this);
    ShowPage(1);
    return true;
}

void CPrintPreview::CreateButtons() {
    const struct {
        UINT id;
        const char* text;
    } buttons[] = {
        {kPrevButton, "&Prev Page"},   {kNextButton, "&Next Page"}, {kZoomInButton, "Zoom &In"},
        {kZoomOutButton, "Zoom &Out"}, {kCloseButton, "&Close"},
    };
    HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (const auto& b : buttons) {
        HWND button = ::CreateWindowExA(0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                        0, 0, kButtonWidth, kButtonHeight, hwnd_,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(b.id)),
                                        ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    HWND label = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0,
                                   kButtonWidth * 2, kButtonHeight, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPageLabel)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::string CPrintPreview::PageText() const {
    if (info_.maxPage < 1) return SubstituteArgs(kTextPreviewPage, {"1"});
    return SubstituteArgs(kTextPreviewPageOf,
                          {std::to_string(info_.currentPage), std::to_string(info_.maxPage)});
}

void CPrintPreview::ShowPage(int page) {
    info_.currentPage = page;
    RecordPage();
    UpdateControls();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CPrintPreview::RecordPage() {
    if (picture_ != nullptr) ::DeleteEnhMetaFile(picture_);
    picture_ = nullptr;
    RECT frame = HimetricOf(reference_, page_);
    HDC dc = ::CreateEnhMetaFileA(reference_, nullptr, &frame, nullptr);
    if (dc == nullptr) return;
    ::PatBlt(dc, 0, 0, page_.right, page_.bottom, WHITENESS);
    if (info_.currentPage <= info_.maxPage) {
        info_.drawArea = page_;
        int saved = ::SaveDC(dc);
        view_.OnPrint(dc, info_);
        ::RestoreDC(dc, saved);
    }
    picture_ = ::CloseEnhMetaFile(dc);
}

void CPrintPreview::UpdateControls() {
    ::EnableWindow(Item(kPrevButton), info_.currentPage > 1);
    ::EnableWindow(Item(kNextButton), info_.currentPage < info_.maxPage);
    ::EnableWindow(Item(kZoomInButton), zoom_ < kMaxZoom);
    ::EnableWindow(Item(kZoomOutButton), zoom_ > 0);
    ::SetWindowTextA(Item(kPageLabel), PageText().c_str());
}

void CPrintPreview::NextPage() {
    if (info_.currentPage < info_.maxPage) ShowPage(info_.currentPage + 1);
}

void CPrintPreview::PrevPage() {
    if (info_.currentPage > 1) ShowPage(info_.currentPage - 1);
}

void CPrintPreview::ZoomIn() {
    if (zoom_ >= kMaxZoom) return;
    ++zoom_;
    UpdateControls();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CPrintPreview::ZoomOut() {
    if (zoom_ <= 0) return;
    --zoom_;
    UpdateControls();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void CPrintPreview::Close() {
    if (closing_) return;
    closing_ = true;
    view_.OnEndPrinting(reference_, info_);
    frame_.EndPreview();
    CView& view = view_;
    Destroy();  // deletes this
    view.OnEndPrintPreview();
}

RECT CPrintPreview::PageArea() const {
    RECT client = ClientRect();
    int width = client.right - 2 * kGap;
    int height = client.bottom - kRowHeight - 2 * kGap;
    if (width <= 0 || height <= 0 || page_.right <= 0 || page_.bottom <= 0) return RECT{0, 0, 0, 0};
    // Fit the whole page, then enlarge by half the fit per zoom step.
    double scale = std::min(static_cast<double>(width) / page_.right,
                            static_cast<double>(height) / page_.bottom) *
                   (1.0 + 0.5 * zoom_);
    int w = static_cast<int>(page_.right * scale);
    int h = static_cast<int>(page_.bottom * scale);
    int left = (client.right - w) / 2;
    int top = kRowHeight + kGap + (zoom_ == 0 ? (height - h) / 2 : 0);
    return RECT{left, top, left + w, top + h};
}

void CPrintPreview::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    RECT row = ClientRect();
    row.bottom = kRowHeight;
    ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_BTNFACE));
    RECT page = PageArea();
    RECT shadow{page.left + kShadow, page.top + kShadow, page.right + kShadow,
                page.bottom + kShadow};
    ::FillRect(dc, &shadow, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::FillRect(dc, &page, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (picture_ != nullptr) ::PlayEnhMetaFile(dc, picture_, &page);
    ::EndPaint(hwnd_, &ps);
}

void CPrintPreview::LayoutButtons(int width) {
    int x = kGap;
    for (UINT id = kPrevButton; id <= kCloseButton; ++id) {
        ::MoveWindow(Item(id), x, (kRowHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight,
                     TRUE);
        x += kButtonWidth + kGap;
    }
    ::MoveWindow(Item(kPageLabel), x + kGap, (kRowHeight - kButtonHeight) / 2 + 4,
                 std::max(0, width - x - kGap), kButtonHeight, TRUE);
}

void CPrintPreview::OnButton(UINT id) {
    switch (id) {
        case kPrevButton: PrevPage(); break;
        case kNextButton: NextPage(); break;
        case kZoomInButton: ZoomIn(); break;
        case kZoomOutButton: ZoomOut(); break;
        case kCloseButton: Close(); break;
        default: break;
    }
}

LRESULT CPrintPreview::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: Paint(); return 0;
        case WM_SIZE:
            LayoutButtons(LOWORD(lp));
            ::InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_COMMAND: OnButton(LOWORD(wp)); return 0;
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) Close();
            if (wp == VK_NEXT) NextPage();
            if (wp == VK_PRIOR) PrevPage();
            return 0;
        default: return DefProc(msg, wp, lp);
    }
}

}  // namespace tw
