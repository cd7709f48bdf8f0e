#include "tests/grid/grid_fixture.h"

#include "grid/demo/demo_rows.h"

namespace tw {
namespace test {

namespace {

GridFixture* activeFixture = nullptr;
std::vector<RecordedNotification>* activeLog = nullptr;
std::function<void(unsigned)>* activeHook = nullptr;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_COMMAND && activeLog != nullptr && l != 0) {
        HWND grid = reinterpret_cast<HWND>(l);
        const unsigned code = HIWORD(w);
        activeLog->push_back({code,
                              static_cast<long>(SendMessageA(grid, grid::kGetNotifyRow, 0, 0)),
                              static_cast<long>(SendMessageA(grid, grid::kGetNotifyColumn, 0, 0))});
        if (activeHook != nullptr && *activeHook) (*activeHook)(code);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, w, l);
}

HMODULE LoadGrid() {
    static HMODULE module = LoadLibraryA("dtbl32.dll");
    return module;
}

}  // namespace

void GridFixture::SetUp() {
    ASSERT_NE(LoadGrid(), nullptr) << "dtbl32.dll did not load";
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GridTestParent";
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, "GridTestParent", "grid test", WS_OVERLAPPEDWINDOW, 0, 0, 900, 400,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent_, nullptr);
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, grid::kClassName, "TimeTable",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 880, 360, parent_,
                            reinterpret_cast<HMENU>(kGridId), wc.hInstance, nullptr);
    ASSERT_NE(hwnd_, nullptr);
    ShowWindow(parent_, SW_SHOW);
    grid_.Attach(hwnd_);
    activeFixture = this;
    activeLog = &notifications_;
    activeHook = &onNotify_;
}

void GridFixture::TearDown() {
    activeLog = nullptr;
    activeHook = nullptr;
    activeFixture = nullptr;
    if (parent_ != nullptr) DestroyWindow(parent_);
}

void GridFixture::SetupTimeTable() {
    demo::SetupTimeTableColumns(grid_);
    // Plain editors and even widths, which the tests' click positions rely on.
    grid_.SetRowSelectorWidth(10);
    for (int c = 0; c < grid::kTimeTableColumnCount; ++c) {
        grid_.SetColumnWidth(c, 60);
        grid_.SetChoices(c, "");
    }
}

long GridFixture::AppendRow(int key, const char* project, const char* notes, int mark,
                            uint16_t date, uint16_t time) {
    grid::TimeTableRow row = {};
    row.position = key;
    row.startDate = date;
    row.startTime = time;
    row.stopDate = date;
    row.stopTime = time;
    grid::SetRowText(row.elapsedTime, "1:00");
    grid::SetRowText(row.project, project);
    grid::SetRowText(row.notes, notes);
    row.mark = mark;
    grid_.SetCurrentCell(0, grid::kNoRow);
    return grid_.InsertRow(&row);
}

int GridFixture::KeyOfRow(int row) {
    int32_t key = -1;
    if (grid_.SetCurrentCell(0, row) != 0 || grid_.ReadCell(&key) != 0) return -1;
    return key;
}

std::string GridFixture::TextCell(int row, int col) {
    char buffer[1024] = "?";
    if (grid_.SetCurrentCell(col, row) != 0 || grid_.ReadCell(buffer, sizeof buffer) != 0) {
        return "<failed>";
    }
    return buffer;
}

std::vector<unsigned> GridFixture::Codes() const {
    std::vector<unsigned> codes;
    for (const RecordedNotification& n : notifications_) codes.push_back(n.code);
    return codes;
}

POINT GridFixture::CellPoint(int row, int col) {
    const int header = grid_.GetHeaderHeight();
    const int height = grid_.GetDefaultRowHeight();
    const int top = grid_.GetViewValue(grid::kViewTopRow);
    POINT point;
    point.y = row == grid::kHeaderRow ? header / 2 : header + (row - top) * height + height / 2;
    if (col == grid::kSelectorColumn) {
        point.x = 5;
        return point;
    }
    int x = 10;  // row selectors
    for (int c = 0; c < col; ++c) {
        if (!(grid_.GetColumnFlags(c) & grid::kFlagHidden)) x += 60;
    }
    point.x = x + 30;
    return point;
}

void GridFixture::Click(int row, int col, WPARAM keys) {
    const POINT p = CellPoint(row, col);
    SendMessageA(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(p.x, p.y));
    SendMessageA(hwnd_, WM_LBUTTONUP, keys, MAKELPARAM(p.x, p.y));
}

}  // namespace test
}  // namespace tw
