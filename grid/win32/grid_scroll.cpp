#include "grid/win32/grid_scroll.h"

#include <algorithm>

#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_layout.h"

namespace tw {
namespace grid {

namespace {

int ClientWidth(const GridState& state) { return ClientSize(state).cx; }

int MaxTopRow(const GridState& state) {
  return std::max(0, state.model.Rows().Count() - VisibleRowCapacity(state));
}

int MaxScrollX(const GridState& state) {
  return std::max(0, DataWidth(state) - (ClientWidth(state) - state.selectorWidth));
}

void SetBar(HWND hwnd, int bar, int max, int page, int pos) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = max;
  info.nPage = static_cast<UINT>(page);
  info.nPos = pos;
  SetScrollInfo(hwnd, bar, &info, TRUE);
}

int TrackPosition(HWND hwnd, int bar) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(hwnd, bar, &info);
  return info.nTrackPos;
}

}  // namespace

void UpdateScrollBars(GridState& state) {
  state.scrollBarsStale = false;
  state.topRow = std::clamp(state.topRow, 0, MaxTopRow(state));
  state.scrollX = std::clamp(state.scrollX, 0, MaxScrollX(state));
  SetBar(state.hwnd, SB_VERT, std::max(0, state.model.Rows().Count() - 1),
         VisibleRowCapacity(state), state.topRow);
  SetBar(state.hwnd, SB_HORZ, std::max(0, DataWidth(state) - 1),
         std::max(1, ClientWidth(state) - state.selectorWidth), state.scrollX);
}

void ScrollToRow(GridState& state, int topRow) {
  topRow = std::clamp(topRow, 0, MaxTopRow(state));
  if (topRow == state.topRow) return;
  CommitEditorIfOpen(state);
  state.topRow = topRow;
  UpdateScrollBars(state);
  InvalidateRect(state.hwnd, nullptr, FALSE);
}

void ScrollToX(GridState& state, int x) {
  x = std::clamp(x, 0, MaxScrollX(state));
  if (x == state.scrollX) return;
  CommitEditorIfOpen(state);
  state.scrollX = x;
  UpdateScrollBars(state);
  InvalidateRect(state.hwnd, nullptr, FALSE);
}

bool EnsureRowVisible(GridState& state, int row, unsigned placement) {
  if (!state.model.Rows().Valid(row)) return false;
  const int capacity = VisibleRowCapacity(state);
  if (placement == kPlaceTop) {
    ScrollToRow(state, row);
  } else if (placement == kPlaceCenter) {
    ScrollToRow(state, row - capacity / 2);
  } else if (row < state.topRow) {
    ScrollToRow(state, row);
  } else if (RowTop(state, row) < 0 || row >= state.topRow + capacity) {
    ScrollToRow(state, row - capacity + 1);
  }
  return true;
}

void EnsureColumnVisible(GridState& state, int col) {
  const int left = ColumnLeft(state, col);
  if (left < 0) return;
  const int width = state.model.Columns().At(col).width;
  const int viewWidth = ClientWidth(state) - state.selectorWidth;
  const int start = left + state.scrollX - state.selectorWidth;  // offset within the data
  if (start < state.scrollX) {
    ScrollToX(state, start);
  } else if (start + width > state.scrollX + viewWidth) {
    ScrollToX(state, std::min(start, start + width - viewWidth));
  }
}

void OnVScroll(GridState& state, int code) {
  const int page = std::max(1, VisibleRowCapacity(state) - 1);
  switch (code) {
    case SB_LINEUP: ScrollToRow(state, state.topRow - 1); break;
    case SB_LINEDOWN: ScrollToRow(state, state.topRow + 1); break;
    case SB_PAGEUP: ScrollToRow(state, state.topRow - page); break;
    case SB_PAGEDOWN: ScrollToRow(state, state.topRow + page); break;
    case SB_TOP: ScrollToRow(state, 0); break;
    case SB_BOTTOM: ScrollToRow(state, MaxTopRow(state)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToRow(state, TrackPosition(state.hwnd, SB_VERT)); break;
    default: break;
  }
}

void OnHScroll(GridState& state, int code) {
  const int page = std::max(1, ClientWidth(state) - state.selectorWidth - 20);
  switch (code) {
    case SB_LINELEFT: ScrollToX(state, state.scrollX - 20); break;
    case SB_LINERIGHT: ScrollToX(state, state.scrollX + 20); break;
    case SB_PAGELEFT: ScrollToX(state, state.scrollX - page); break;
    case SB_PAGERIGHT: ScrollToX(state, state.scrollX + page); break;
    case SB_LEFT: ScrollToX(state, 0); break;
    case SB_RIGHT: ScrollToX(state, MaxScrollX(state)); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToX(state, TrackPosition(state.hwnd, SB_HORZ)); break;
    default: break;
  }
}

void OnMouseWheel(GridState& state, int delta) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  ScrollToRow(state, state.topRow - delta * static_cast<int>(lines) / WHEEL_DELTA);
}

void InvalidateRow(GridState& state, int row) {
  const int top = RowTop(state, row);
  if (top < 0) return;
  RECT client, rect;
  GetClientRect(state.hwnd, &client);
  SetRect(&rect, 0, top, client.right, top + RowHeightOf(state, row));
  InvalidateRect(state.hwnd, &rect, FALSE);
}

}  // namespace grid
}  // namespace tw
