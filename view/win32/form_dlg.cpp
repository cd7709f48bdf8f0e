// CFormDlg: construction, the command map, the initial update, the document's calls and the
// window state the document saves.
#include "view/win32/form_dlg.h"

#include <algorithm>

#include "app/res/resource.h"
#include "doc/document.h"
#include "doc/time_rec.h"
#include "framework/command_ids.h"
#include "framework/prompt.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "view/cell_edit_rules.h"
#include "view/win32/view_host.h"

namespace tw {

namespace {

IViewHost* g_host = nullptr;

}  // namespace

IViewHost* ViewHost() { return g_host; }
void SetViewHost(IViewHost* host) { g_host = host; }

CFormDlg::CFormDlg() : CFormView(IDD_TIME_TABLE_FORM) {
    RegisterCommands();
    RegisterEditTimeCommands();
    RegisterMarkingCommands();
    RegisterSortingCommands();
    RegisterClipboardCommands();
    RegisterPrintCommands();
}

CFormDlg::~CFormDlg() { RemoveMenuBlock(); }

CWorkmetrDoc* CFormDlg::Document() const { return dynamic_cast<CWorkmetrDoc*>(GetDocument()); }

IViewFrame* CFormDlg::ViewFrame() const { return dynamic_cast<IViewFrame*>(Frame()); }

bool CFormDlg::IsFrameMinimized() const {
    return Frame() != nullptr && ::IsIconic(Frame()->Handle()) != FALSE;
}

ClockState CFormDlg::State() const {
    const CWorkmetrDoc* doc = Document();
    return doc ? ClockStateOf(doc->IsStopped(), doc->IsPaused()) : ClockState::kIdle;
}

void CFormDlg::RegisterCommands() {
    OnCommand(ID_ADD_ROW, [this] { AddTableRow(); });
    OnCommand(ID_EDIT_CELL, [this] { OpenCellEditor(); });
    OnUpdateCommand(ID_EDIT_CELL, [this](CommandState& s) { s.Enable(CanOpenCellEditor()); });
    OnCommand(ID_START_STOP, [this] { StartStop(); });
    OnUpdateCommand(ID_START_STOP, [this](CommandState& s) {
        s.Enable();
        s.SetCheck(State() != ClockState::kIdle);
    });
    OnCommand(ID_PAUSE_RESUME, [this] { PauseResume(); });
    OnUpdateCommand(ID_PAUSE_RESUME, [this](CommandState& s) {
        s.Enable(State() != ClockState::kIdle);
        s.SetCheck(State() == ClockState::kPaused);
    });
    OnCommand(ID_COMPACT_RESTORE, [this] {
        IViewFrame* frame = ViewFrame();
        HWND area = Item(IDC_COMPACT_AREA);
        if (frame == nullptr || area == nullptr) return;
        RECT rect;
        ::GetWindowRect(area, &rect);
        frame->ToggleCompact(rect);
    });
}

void CFormDlg::OnInitialUpdate() {
    CWorkmetrDoc* doc = Document();
    if (doc == nullptr) return;
    grid_.Attach(Item(IDC_TIME_TABLE));
    doc->SetView(this);
    SetupColumns();
    setUp_ = true;
    if (!FillTable()) {
        // The grid refused a row (it ran out of memory): say so rather than close silently.
        Tell(LoadResourceString(IDS_LOW_MEMORY));
        if (Frame() != nullptr) ::PostMessageA(Frame()->Handle(), WM_CLOSE, 0, 0);
        return;
    }
    RestoreViewState();
    ApplySortSettings();
    if (IViewHost* host = ViewHost()) {
        for (int id : {IDC_TOTAL_TIME, IDC_TOTAL_CHARGE, IDC_TOTAL_EXPENSE}) {
            if (host->TotalsFont() != nullptr && Item(id) != nullptr) {
                ::SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(host->TotalsFont()),
                               FALSE);
            }
        }
    }
    BuildMenuBlock();
    SetStatic(IDC_ACTIVE_ELAPSED, "");
    SetTotalsLabels(doc->GetTotalsMode());
    ShowTotals();
    UpdateClockDisplay();
    FitFrameToForm();
    ApplyWindowPlacement();
    SizeMainWindowAroundChild();
    FitGridToView();
}

// A new document window takes the size of its form and tool bar.
void CFormDlg::FitFrameToForm() {
    CMDIChild* frame = Frame();
    if (frame == nullptr || Document()->Settings().placement.valid) return;
    RECT rect{0, 0, FormSize().cx, FormSize().cy + frame->ToolBar().Height()};
    ::AdjustWindowRectEx(&rect, static_cast<DWORD>(::GetWindowLongA(frame->Handle(), GWL_STYLE)),
                         FALSE, static_cast<DWORD>(::GetWindowLongA(frame->Handle(), GWL_EXSTYLE)));
    ::SetWindowPos(frame->Handle(), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The form grows with the view (it never shrinks below its template's size, the view scrolls
// then), and the grid with the form.
void CFormDlg::FitGridToView() {
    RECT client;
    ::GetClientRect(Handle(), &client);
    const SIZE form = FormSize();
    if (Form() != nullptr) {
        ::SetWindowPos(Form(), nullptr, 0, 0, std::max<int>(form.cx, client.right),
                       std::max<int>(form.cy, client.bottom),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ResizeGrid(client.right - form.cx, client.bottom - form.cy);
}

// A width unit is a third of the form's average character width (2 pixels with "MS Sans
// Serif" 8 at 96 dpi), so the stored widths follow the screen's font size.
int CFormDlg::CharWidth() const {
    RECT rect{0, 0, 4, 0};  // four horizontal dialog units are one average character
    if (Form() == nullptr || !::MapDialogRect(Form(), &rect) || rect.right <= 0) return 3;
    return rect.right;
}

int CFormDlg::WidthToPixels(int units) const { return units * CharWidth() / 3; }

int CFormDlg::PixelsToWidth(int pixels) const {
    const int charWidth = CharWidth();
    return (pixels * 3 + charWidth / 2) / charWidth;
}

void CFormDlg::RestoreViewState() {
    const SavedViewState& v = Document()->Settings().viewState;
    grid_.SetViewValue(grid::kViewCurrentRow, v.third);
    grid_.SetViewValue(grid::kViewScrollX, v.fourth);
}

// The first view of the run sizes the main window around its document window.
void CFormDlg::SizeMainWindowAroundChild() {
    IViewHost* host = ViewHost();
    if (host == nullptr || host->MainWindow() == nullptr || Frame() == nullptr) return;
    if (!host->TakeFirstViewSizing()) return;
    CMDIFrame* main = Frame()->MainFrame();
    if (main == nullptr) return;
    // The child's far corner in the MDI client, so that the whole window shows.
    RECT child;
    ::GetWindowRect(Frame()->Handle(), &child);
    ::MapWindowPoints(nullptr, main->MdiClient(), reinterpret_cast<POINT*>(&child), 2);
    // What the main window has around its MDI client: frame, caption, menu, bars and the
    // client's own edge (its scroll bars go away once the child fits).
    RECT mainRect, clientRect;
    ::GetWindowRect(main->Handle(), &mainRect);
    ::GetClientRect(main->MdiClient(), &clientRect);
    const LONG clientStyle = ::GetWindowLongA(main->MdiClient(), GWL_STYLE);
    const int scrollX = (clientStyle & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int scrollY = (clientStyle & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
    const int width = child.right + (mainRect.right - mainRect.left) - (clientRect.right + scrollX);
    const int height =
        child.bottom + (mainRect.bottom - mainRect.top) - (clientRect.bottom + scrollY);
    const int inset = ::GetSystemMetrics(SM_CYMENU);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::SetWindowPos(host->MainWindow(), nullptr, work.left + inset, work.top + inset, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // The client measures its children against its area without the scroll bars it still
    // shows, so it would keep them although the child now fits: take them away.
    ::ShowScrollBar(main->MdiClient(), SB_BOTH, FALSE);
}

void CFormDlg::ApplyWindowPlacement() {
    const WindowPlacementState& p = Document()->Settings().placement;
    if (!p.valid || Frame() == nullptr) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = p.explicitMinPosition ? WPF_SETMINPOSITION : 0;
    placement.showCmd = p.compacted        ? SW_SHOWNORMAL
                        : p.showState == 3 ? SW_SHOWMAXIMIZED
                        : p.showState == 2 ? SW_SHOWMINIMIZED
                                           : SW_SHOWNORMAL;
    placement.ptMinPosition = POINT{p.minPosition.x, p.minPosition.y};
    placement.ptMaxPosition = POINT{p.maxPosition.x, p.maxPosition.y};
    placement.rcNormalPosition = RECT{p.normal.left, p.normal.top, p.normal.right, p.normal.bottom};
    if (placement.rcNormalPosition.right <= placement.rcNormalPosition.left ||
        placement.rcNormalPosition.bottom <= placement.rcNormalPosition.top) {
        return;  // no usable rectangle
    }
    ::SetWindowPlacement(Frame()->Handle(), &placement);
    if (p.compacted) RouteCommand(Frame()->Chain(), ID_COMPACT_RESTORE);
}

void CFormDlg::SetStatic(int id, const std::string& text) {
    if (HWND item = Item(id)) ::SetWindowTextA(item, text.c_str());
}

// --- What the document tells the view ---------------------------------------------------------

void CFormDlg::RecordChanged(int position) {
    if (!setUp_ || ownRowChange_) return;
    PutRecordRow(position, !batchRows_);
}

void CFormDlg::RowsChanged() {
    if (!setUp_ || ownRowChange_) return;
    // Records were added, removed or reordered by the document: keys are positions, so the
    // rows are put again from the list.
    if (!FillTable()) return;
    SelectActiveRow();
}

void CFormDlg::ItemListsChanged() {
    if (setUp_) SetChoiceLists();
}

void CFormDlg::TotalsChanged() {
    if (!setUp_) return;
    SetTotalsLabels(Document()->GetTotalsMode());
    ShowActiveElapsed();
    ShowTotals();
}

void CFormDlg::CollectWindowState(DocumentSettings& settings) {
    if (!grid_.IsWindow()) return;
    for (int c = 0; c < kColumnCount; ++c) {
        if (settings.columns[c].hidden) continue;
        const long pixels = grid_.GetColumnWidth(c + 1);
        const int width = pixels >= 0 ? PixelsToWidth(static_cast<int>(pixels)) : -1;
        if (width >= 0 && width <= 0xFFFF) settings.columns[c].width = width;
    }
    SavedViewState& v = settings.viewState;
    v.first = static_cast<uint16_t>(grid_.GetDefaultRowHeight());
    v.second = static_cast<uint16_t>(grid_.GetHeaderHeight());
    v.third = static_cast<int32_t>(grid_.GetViewValue(grid::kViewCurrentRow));
    v.fourth = static_cast<int32_t>(grid_.GetViewValue(grid::kViewScrollX));
    v.fifth = static_cast<uint16_t>(grid_.GetSetting(grid::kSettingHiddenLines));
    v.sixth = static_cast<uint16_t>(grid_.GetSetting(grid::kSettingPlainSelectors));
    if (Frame() == nullptr) return;
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!::GetWindowPlacement(Frame()->Handle(), &wp)) return;
    WindowPlacementState& p = settings.placement;
    p.valid = true;
    p.showState = wp.showCmd == SW_SHOWMAXIMIZED ? 3 : wp.showCmd == SW_SHOWMINIMIZED ? 2 : 1;
    p.explicitMinPosition = (wp.flags & WPF_SETMINPOSITION) != 0;
    p.minPosition = {wp.ptMinPosition.x, wp.ptMinPosition.y};
    p.maxPosition = {wp.ptMaxPosition.x, wp.ptMaxPosition.y};
    RECT normal = wp.rcNormalPosition;
    IViewFrame* frame = ViewFrame();
    p.compacted = frame != nullptr && frame->IsCompacted();
    if (p.compacted) frame->RectBeforeCompact(normal);
    p.normal = {normal.left, normal.top, normal.right, normal.bottom};
    p.currentTopLeft = {wp.rcNormalPosition.left, wp.rcNormalPosition.top};
}

// --- Window ----------------------------------------------------------------------------------

void CFormDlg::ResizeGrid(int dx, int dy) {
    if (!grid_.IsWindow()) return;
    const int width = std::max<int>(gridSetupSize_.cx, gridSetupSize_.cx + dx);
    const int height = std::max<int>(gridSetupSize_.cy, gridSetupSize_.cy + dy);
    ::SetWindowPos(grid_.GetHwnd(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFormDlg::OnTimer(UINT_PTR id) {
    if (id == kClockTimer) OnClockTick();
}

INT_PTR CFormDlg::OnFormMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_DRAWITEM && wp == IDC_STATUS_PICTURE) {
        DrawStatusPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        handled = true;
        return TRUE;
    }
    if (msg == WM_TIMER && wp == kClockTimer) {
        OnClockTick();
        handled = true;
        return 0;
    }
    return 0;
}

LRESULT CFormDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE && setUp_) {
        const LRESULT result = CFormView::WindowProc(msg, wp, lp);
        FitGridToView();
        if (ViewFrame() != nullptr && ViewFrame()->IsCompacted()) {
            ::ShowScrollBar(Handle(), SB_BOTH, FALSE);
        }
        return result;
    }
    if (msg == WM_DESTROY) {
        KillTimer();
        if (CWorkmetrDoc* doc = Document()) doc->SetView(nullptr);
        RemoveMenuBlock();
    }
    return CFormView::WindowProc(msg, wp, lp);
}

void CFormDlg::DrawStatusPicture(const DRAWITEMSTRUCT& item) {
    IViewHost* host = ViewHost();
    HBITMAP picture = host ? host->StatusPicture(State()) : nullptr;
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (picture == nullptr) return;
    HDC source = ::CreateCompatibleDC(item.hDC);
    HGDIOBJ old = ::SelectObject(source, picture);
    BITMAP info{};
    ::GetObjectA(picture, sizeof info, &info);
    ::BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, info.bmWidth, info.bmHeight, source, 0, 0,
             SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

}  // namespace tw
