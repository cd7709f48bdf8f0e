#include "tests/grid/grid_fixture.h"

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
    activeLog->push_back({code, static_cast<long>(SendMessageA(grid, grid::kGetNotifyRow, 0, 0)),
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

struct ColumnSpec {
  const char* name;
  const char* title;
  unsigned type;
  int maxLength;
  unsigned flags;
};

const ColumnSpec kTimeTable[] = {
    {"POSITION", "Position", grid::kTypeKey, 0, grid::kFlagHidden},
    {"START_DATE", "Start Date", grid::kTypeDate, 0, grid::kFlagEditable},
    {"START_TIME", "Start Time", grid::kTypeTime, 0, grid::kFlagEditable},
    {"STOP_DATE", "Stop Date", grid::kTypeDate, 0, grid::kFlagEditable},
    {"STOP_TIME", "Stop Time", grid::kTypeTime, 0, grid::kFlagEditable},
    {"ELAPSED_TIME", "Elapsed Time", grid::kTypeText, 30, grid::kFlagEditable},
    {"PAUSED_TIME", "Paused  Time", grid::kTypeText, 30, grid::kFlagEditable},
    {"HOURLY_RATE", "Hourly Rate", grid::kTypeText, 40, grid::kFlagEditable | 0x80},
    {"CHARGE", "Charge", grid::kTypeText, 40, 0x80},
    {"PROJECT", "Project", grid::kTypeText, 64, grid::kFlagEditable},
    {"CATEGORY", "Category", grid::kTypeText, 64, grid::kFlagEditable},
    {"CLIENT", "Client", grid::kTypeText, 64, grid::kFlagEditable},
    {"EXPENSE", "Expense", grid::kTypeText, 40, grid::kFlagEditable | 0x80},
    {"MARK", "X", grid::kTypeMark, 0, grid::kFlagEditable | 0x40},
    {"NOTES", "Notes", grid::kTypeText, 256, grid::kFlagEditable},
};

}  // namespace

void GridFixture::SetUp() {
  ASSERT_NE(LoadGrid(), nullptr) << "dtbl32.dll did not load";
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "GridTestParent";
  RegisterClassA(&wc);
  parent_ = CreateWindowExA(0, "GridTestParent", "grid test", WS_OVERLAPPEDWINDOW, 0, 0, 900,
                            400, nullptr, nullptr, wc.hInstance, nullptr);
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
  grid_.SetStyle(static_cast<unsigned>(grid_.GetStyle()) | 0x50B122F8);
  grid_.SetOptions(0x300033);
  ASSERT_EQ(grid_.SetColumnCount(grid::kTimeTableColumnCount), 0);
  grid_.SetRowSelectorWidth(10);
  for (int c = 0; c < grid::kTimeTableColumnCount; ++c) {
    const ColumnSpec& spec = kTimeTable[c];
    ASSERT_EQ(grid_.SetColumnType(c, spec.type), 0);
    if (spec.type == grid::kTypeDate) grid_.SetPicture(c, "M/d/yyyy");
    if (spec.type == grid::kTypeTime) grid_.SetPicture(c, "h:mm tt");
    grid_.SetColumnFlags(c, spec.flags);
    if (spec.maxLength > 0) grid_.SetMaxLength(c, spec.maxLength);
    grid_.SetColumnWidth(c, 60);
    grid_.SetTitle(c, spec.title);
    grid_.SetName(c, spec.name);
  }
  grid_.SetNullText(0, "-1");
  grid_.SetEditStyle(grid::kColNotes, 0x44);
  grid_.SetGrowStep(2 * grid_.GetGrowStep());
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
