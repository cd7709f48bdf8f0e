// Column set-up messages: count, type, flags, sizes and texts.
#include <algorithm>
#include <cstring>

#include "grid/win32/grid_editor.h"
#include "grid/win32/grid_handlers.h"
#include "grid/win32/grid_scroll.h"

namespace tw {
namespace grid {

namespace {

constexpr int kTextBufferSize = 256;  // buffers of kGetTitle and kGetName
constexpr int kMaxWidth = 4000;

void Relayout(GridState& state) {
    UpdateScrollBars(state);
    InvalidateRect(state.hwnd, nullptr, FALSE);
}

// A change of the record layout, which empties the rows: any editor is closed first.
template <typename Change>
LRESULT ChangeLayout(GridState& state, Change change) {
    CancelEditor(state);
    if (!change()) return kFailed;
    Relayout(state);
    return 0;
}

std::string* TextOf(Column& column, ColumnText which) {
    switch (which) {
        case ColumnText::kPicture: return &column.picture;
        case ColumnText::kTitle: return &column.title;
        case ColumnText::kName: return &column.name;
        case ColumnText::kChoices: return &column.choices;
        default: return &column.nullText;
    }
}

}  // namespace

LRESULT Grid_SetColumnCount(GridState& state, int count) {
    return ChangeLayout(state, [&] {
        state.topRow = 0;
        state.scrollX = 0;
        return state.model.SetColumnCount(count);
    });
}

LRESULT Grid_SetColumnType(GridState& state, int col, unsigned type) {
    return ChangeLayout(state, [&] { return state.model.SetColumnType(col, type); });
}

LRESULT Grid_GetColumnFlags(const GridState& state, int col) {
    return state.model.Columns().Valid(col) ? LRESULT(state.model.Columns().At(col).flags)
                                            : kFailed;
}

LRESULT Grid_SetColumnFlags(GridState& state, int col, unsigned flags) {
    if (!state.model.Columns().Valid(col)) return kFailed;
    if ((flags & kFlagHidden) && state.editing && state.editor.column == col) CancelEditor(state);
    state.model.SetColumnFlags(col, flags);
    Relayout(state);
    return 0;
}

LRESULT Grid_SetMaxLength(GridState& state, int col, int length) {
    return ChangeLayout(state, [&] { return state.model.SetMaxLength(col, length); });
}

LRESULT Grid_SetColumnWidth(GridState& state, unsigned col, int width) {
    width = std::clamp(width, 0, kMaxWidth);
    if (col == kRowSelectorColumn) {
        state.selectorWidth = width;
    } else if (state.model.Columns().Valid(int(col))) {
        state.model.Columns().At(int(col)).width = width;
    } else {
        return kFailed;
    }
    CommitEditorIfOpen(state);
    Relayout(state);
    return 0;
}

LRESULT Grid_GetColumnWidth(const GridState& state, unsigned col) {
    if (col == kRowSelectorColumn) return state.selectorWidth;
    return state.model.Columns().Valid(int(col)) ? state.model.Columns().At(int(col)).width
                                                 : kFailed;
}

LRESULT Grid_SetColumnText(GridState& state, int col, ColumnText which, const char* text) {
    if (!state.model.Columns().Valid(col)) return kFailed;
    *TextOf(state.model.Columns().At(col), which) = text ? text : "";
    InvalidateRect(state.hwnd, nullptr, FALSE);
    return 0;
}

LRESULT Grid_GetColumnText(const GridState& state, int col, ColumnText which, char* buffer) {
    if (buffer == nullptr || !state.model.Columns().Valid(col)) return kFailed;
    Column column = state.model.Columns().At(col);
    const std::string& text = *TextOf(column, which);
    const size_t length = std::min(text.size(), size_t(kTextBufferSize - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return (which == ColumnText::kTitle && text.empty()) ? kFailed : 0;
}

LRESULT Grid_FindColumn(const GridState& state, const char* name) {
    return name ? state.model.Columns().Find(name) : kFailed;
}

LRESULT Grid_SetEditStyle(GridState& state, int col, unsigned style) {
    if (!state.model.Columns().Valid(col)) return kFailed;
    state.model.Columns().At(col).editStyle = style;
    return 0;
}

}  // namespace grid
}  // namespace tw
