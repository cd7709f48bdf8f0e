// Test harness for outline lists (see outline_harness.h).

#include "outline_harness.h"

#include "../control_test_support.h"

namespace tw::test {

namespace {

constexpr const char* kParentClass = "TwOutlineTestParent";

std::string NameOf(const OutlineEvent& e) {
    switch (e.message) {
        case WM_NOTIFY: return "notify " + std::to_string(e.code);
        case WM_COMMAND: return "command " + std::to_string(e.code);
        case WM_DELETEITEM: return "deleteitem";
        case WM_DRAWITEM: return "drawitem";
        case WM_MEASUREITEM: return "measureitem";
        case WM_VKEYTOITEM: return "vkeytoitem";
        default: return "message " + std::to_string(e.message);
    }
}

}  // namespace

OutlineParent::OutlineParent() {
    WNDCLASSA wc = {};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kParentClass, &wc)) {
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kParentClass;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClassA(&wc);
    }
    hwnd_ = CreateWindowExA(0, kParentClass, "outline test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            500, 400, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

OutlineParent::~OutlineParent() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HWND OutlineParent::CreateList(DWORD style, int width, int height) {
    HWND list = CreateWindowExA(0, TARN_OUTLINE_CLASS, "", WS_CHILD | WS_VISIBLE | style, 10, 10,
                                width, height, hwnd_, reinterpret_cast<HMENU>(INT_PTR(kListId)),
                                GetModuleHandleA(nullptr), nullptr);
    events_.clear();
    return list;
}

std::vector<std::string> OutlineParent::Sequence() const {
    std::vector<std::string> names;
    for (const OutlineEvent& e : events_)
        if (e.message != WM_DRAWITEM && e.message != WM_CTLCOLORLISTBOX) names.push_back(NameOf(e));
    return names;
}

LRESULT CALLBACK OutlineParent::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<OutlineParent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || msg == WM_NCDESTROY) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Handle(hwnd, msg, wParam, lParam);
}

void OutlineParent::React(NMOUTLINE& record) {
    const int code = int(record.hdr.code);
    if (code == refuseOn_) record.allow = FALSE;
    if (code == deleteOn_) olbDeleteStringEx(record.hdr.hwndFrom, record.item);
    if (code == destroyOn_) DestroyWindow(record.hdr.hwndFrom);
    if (onNotify_) onNotify_(record);
}

LRESULT OutlineParent::Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    OutlineEvent e = {};
    e.message = msg;
    switch (msg) {
        case WM_NOTIFY: {
            auto* record = reinterpret_cast<NMOUTLINE*>(lParam);
            e.code = int(record->hdr.code);
            e.record = *record;
            events_.push_back(e);
            React(*record);
            return 0;
        }
        case WM_COMMAND:
            e.code = HIWORD(wParam);
            events_.push_back(e);
            return 0;
        case WM_DELETEITEM: {
            auto* record = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
            e.itemId = record->itemID;
            e.data = record->itemData;
            events_.push_back(e);
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* record = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            e.itemId = record->itemID;
            e.data = record->itemData;
            e.state = record->itemState;
            if (GetWindowLongA(record->hwndItem, GWL_STYLE) & OLBS_HASSTRINGS)
                e.text = reinterpret_cast<const char*>(record->itemData);
            events_.push_back(e);
            return TRUE;
        }
        case WM_MEASUREITEM: {
            auto* record = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            e.itemId = record->itemID;
            e.data = record->itemData;
            events_.push_back(e);
            if (measured_) record->itemHeight = measured_;
            if (onMeasure_) onMeasure_(*record);
            return TRUE;
        }
        case WM_VKEYTOITEM:
            e.code = LOWORD(wParam);
            e.itemId = HIWORD(wParam);
            events_.push_back(e);
            return keyAnswer_;
        case WM_CTLCOLORLISTBOX:
            if (onBrush_) onBrush_(reinterpret_cast<HWND>(lParam));
            if (listBrush_) return reinterpret_cast<LRESULT>(listBrush_);
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

Snapshot::Snapshot(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
}

Snapshot::~Snapshot() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Snapshot::At(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const DWORD pixel = bits_[size_t(y) * width_ + x];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Snapshot::Count(const RECT& area, COLORREF color) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += At(x, y) == color;
    return count;
}

std::vector<COLORREF> CellAsPainted(int id, int cellX, int width, int height) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(TarnModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF key = GetPixel(dc, 0, info.bmHeight - 1);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(dc, cellX + x, y);
            pixels.push_back(pixel == key ? kWhite : pixel);
        }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

std::vector<COLORREF> Painted(const Snapshot& shot, int left, int top, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) pixels.push_back(shot.At(x, y));
    return pixels;
}

int ShownCell(HWND list, int row, int x) {
    constexpr int kRowHeight = 18, kCellWidth = 18, kCellHeight = 16, kCells = 42;
    Snapshot shot(list);
    const auto painted = Painted(shot, x, row * kRowHeight, kCellWidth, kCellHeight);
    for (int cell = 0; cell < kCells; ++cell)
        if (painted == CellAsPainted(217, cell * kCellWidth, kCellWidth, kCellHeight)) return cell;
    return -1;
}

void Click(HWND hwnd, UINT message, int x, int y, WPARAM keys) {
    SendMessageA(hwnd, message, keys, MAKELPARAM(x, y));
}

}  // namespace tw::test
