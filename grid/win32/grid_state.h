// The state block of one DataTbl32 window and the declarations shared by its handler files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "grid/grid_model.h"
#include "grid/dtbl32.h"

namespace tw {
namespace grid {

// The in-cell editor while it is open.
struct CellEditor {
    HWND edit = nullptr;   // edit window (the combo box's edit field for choice columns)
    HWND combo = nullptr;  // drop-down combo box for choice columns, else null
    uint32_t slot = 0;     // row store slot of the edited row (rows may move while editing)
    int column = -1;
    bool closing = false;        // guards against re-entry while the editor is being destroyed
    WNDPROC editProc = nullptr;  // the edit window's own procedure (we subclass it)
    UINT typedChar = 0;          // character of the current kNotifyCharTyped
    UINT replacement = 0;        // what goes into the editor instead (0: nothing)
};

struct GridState {
    HWND hwnd = nullptr;
    GridModel model;
    unsigned style = 0;                  // grid style bits as set by the program
    unsigned options = 0;                // option bits as set by the program
    int tabWidth = 8;                    // characters per tab stop
    HFONT font = nullptr;                // normal font (the window font)
    std::vector<LOGFONTA> rowFontSpecs;  // fonts set on rows; id = index + 1
    std::vector<HFONT> rowFonts;
    int selectorWidth = 14;       // row selector width in pixels
    int rowHeight = 18;           // normal row height
    int headerHeight = 20;        // column header height
    unsigned hiddenLines = 0;     // HiddenLines bits
    bool plainSelectors = false;  // row selectors without the current-row arrow
    unsigned placement = kPlaceNearest;
    bool scrollBarsStale = false;  // rows changed since the scroll bars were last set
    int topRow = 0;                // first visible row
    int scrollX = 0;               // horizontal scroll offset of the data columns in pixels
    int notifyRow = 0;             // row and column of the last notification
    int notifyColumn = 0;
    int anchorRow = -1;          // start of a Shift selection
    bool refuseEdit = false;     // set by kRefuseEdit during kNotifyEditBegin
    bool dragSelecting = false;  // left button held down over the rows
    int resizingColumn = -1;     // column whose header divider is being dragged
    int resizeOrigin = 0;        // left edge of that column when the drag began
    CellEditor editor;
    bool editing = false;
};

GridState* GetGridState(HWND hwnd);

}  // namespace grid
}  // namespace tw
