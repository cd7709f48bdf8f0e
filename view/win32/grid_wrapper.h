// CGridCtrl: a thin typed wrapper over the messages of the DataTbl32 grid control. It holds
// only the window handle; every call without a window gives kNoWindow (-2).
#pragma once

#include <windows.h>

#include "view/grid_interface.h"

namespace tw {

class CGridCtrl {
public:
    // Constructors
    explicit CGridCtrl(HWND hwnd = nullptr) : m_hWnd(hwnd) {}
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach() {
        HWND hwnd = m_hWnd;
        m_hWnd = nullptr;
        return hwnd;
    }
    HWND GetHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    // Attributes: set-up
    long GetStyle() const { return Send(grid::kGetStyle); }
    long SetStyle(unsigned style) { return Send(grid::kSetStyle, 0, style); }
    long SetOptions(unsigned options) { return Send(grid::kSetOptions, 0, options); }
    long GetColumnCount() const { return Send(grid::kGetColumnCount); }
    long SetColumnCount(int count) { return Send(grid::kSetColumnCount, count); }
    long SetColumnType(int col, unsigned type) { return Send(grid::kSetColumnType, col, type); }
    long GetColumnFlags(int col) const { return Send(grid::kGetColumnFlags, col); }
    long SetColumnFlags(int col, unsigned flags) { return Send(grid::kSetColumnFlags, col, flags); }
    long SetMaxLength(int col, int length) { return Send(grid::kSetMaxLength, col, length); }
    long SetColumnWidth(int col, int width) { return Send(grid::kSetColumnWidth, col, width); }
    long GetColumnWidth(int col) const { return Send(grid::kGetColumnWidth, col); }
    long SetRowSelectorWidth(int width) {
        return Send(grid::kSetColumnWidth, grid::kRowSelectorColumn, width);
    }
    long SetPicture(int col, const char* picture) {
        return SendText(grid::kSetPicture, col, picture);
    }
    long SetTitle(int col, const char* title) { return SendText(grid::kSetTitle, col, title); }
    long SetName(int col, const char* name) { return SendText(grid::kSetName, col, name); }
    long SetChoices(int col, const char* choices) {
        return SendText(grid::kSetChoices, col, choices);
    }
    long SetNullText(int col, const char* text) { return SendText(grid::kSetNullText, col, text); }
    long SetEditStyle(int col, unsigned style) { return Send(grid::kSetEditStyle, col, style); }
    // buffer: at least 256 bytes.
    long GetTitle(int col, char* buffer) const { return SendBuffer(grid::kGetTitle, col, buffer); }
    long GetName(int col, char* buffer) const { return SendBuffer(grid::kGetName, col, buffer); }
    long FindColumn(const char* name) const { return SendText(grid::kFindColumn, 0, name); }
    long SetTabWidth(int width) { return Send(grid::kSetTabWidth, width); }
    long GetGrowStep() const { return Send(grid::kGetGrowStep); }
    long SetGrowStep(int rows) { return Send(grid::kSetGrowStep, rows); }

    // Attributes: rows and the current cell
    long GetRowCount() const { return Send(grid::kGetRowCount); }
    long GetCurrentRow() const { return Send(grid::kGetCurrentRow); }
    long GetCurrentColumn() const { return Send(grid::kGetCurrentColumn); }
    long SetCurrentCell(int col, int row) { return Send(grid::kSetCurrentCell, col, row); }
    long SetCurrentCellQuiet(int col, int row) {
        return Send(grid::kSetCurrentCellQuiet, col, row);
    }
    // Reads the current cell; size 0 means the buffer holds the whole field.
    long ReadCell(void* buffer, int size = 0) const {
        return Send(grid::kReadCell, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer));
    }
    long GetNotifyRow() const { return Send(grid::kGetNotifyRow); }
    long GetNotifyColumn() const { return Send(grid::kGetNotifyColumn); }
    long GetVisibleRows() const { return Send(grid::kGetVisibleRows); }
    long GetRowHeight() const { return Send(grid::kGetRowHeight); }
    long SetRowHeight(int height) { return Send(grid::kSetRowHeight, 0, height); }
    long FindKey(int32_t key) const { return Send(grid::kFindKey, static_cast<WPARAM>(key)); }

    // Attributes: saved state
    long GetDefaultRowHeight() const { return Send(grid::kGetDefaultRowHeight); }
    long SetDefaultRowHeight(int height) { return Send(grid::kSetDefaultRowHeight, height); }
    long GetHeaderHeight() const { return Send(grid::kGetHeaderHeight); }
    long SetHeaderHeight(int height) { return Send(grid::kSetHeaderHeight, height); }
    long GetViewValue(unsigned which) const { return Send(grid::kGetViewValue, which); }
    long SetViewValue(unsigned which, long value) {
        return Send(grid::kSetViewValue, which, static_cast<LPARAM>(value));
    }
    long GetSetting(unsigned which) const { return Send(grid::kGetSetting, 0, which); }
    long SetSetting(unsigned which, unsigned value) {
        return Send(grid::kSetSetting, value, which);
    }

    // Operations: rows
    long ClearRows() { return Send(grid::kClearRows); }
    long OverwriteRow(const void* record) { return SendPointer(grid::kOverwriteRow, record); }
    long InsertRow(const void* record) { return SendPointer(grid::kInsertRow, record); }
    long DeleteRow() { return Send(grid::kDeleteRow); }
    long RedrawRow(int row) { return Send(grid::kRedrawRow, 0, row); }
    long SetRowFont(const LOGFONTA& font) { return SendPointer(grid::kSetRowFont, &font); }
    long ResetRowFont() { return Send(grid::kResetRowFont); }
    // Brings a row into view with the grid's own placement setting.
    long EnsureRowVisible(int row) {
        const long setting = Send(grid::kGetPlacementSetting);
        if (setting < 0) return setting;
        const long placement = Send(grid::kGetSetting, 0, setting);
        return Send(grid::kEnsureVisible, static_cast<WPARAM>(placement), row);
    }

    // Operations: selection
    long SelectAll(bool on) { return Send(grid::kSelectAll, on ? 1 : 0); }
    long SelectRow(int row, bool on) { return Send(grid::kSelectRow, on ? 1 : 0, row); }
    long GetSelectedCount() const { return Send(grid::kGetSelectedCount); }
    // rows: room for `capacity` entries (0: for every selected row) -> number written.
    long GetSelectedRows(int* rows, int capacity = 0) const {
        return Send(grid::kGetSelectedRows, static_cast<WPARAM>(capacity),
                    reinterpret_cast<LPARAM>(rows));
    }
    long GetFirstSelected() const { return Send(grid::kGetFirstSelected); }
    long GetNextSelected(int row) const { return Send(grid::kGetNextSelected, 0, row); }

    // Operations: editing
    bool IsEditing() const { return Send(grid::kEditing, grid::kEditQuery) > 0; }
    long OpenEditor() { return Send(grid::kEditing, grid::kEditOpen); }
    long CommitEditor() { return Send(grid::kEditing, grid::kEditCommit); }
    HWND GetEditorWindow() const { return reinterpret_cast<HWND>(SendRaw(grid::kGetEditorWindow)); }
    HWND GetEditorList() const { return reinterpret_cast<HWND>(SendRaw(grid::kGetEditorList)); }
    long SetEditorCaret(int position) { return Send(grid::kSetEditorCaret, 0, position); }
    long GetTypedChar() const { return Send(grid::kGetTypedChar); }
    long ReplaceTypedChar(char ch) {
        return Send(grid::kReplaceTypedChar, static_cast<unsigned char>(ch));
    }
    long RefuseEdit() { return Send(grid::kRefuseEdit, 0, 1); }

    // Operations: sorting (level 1 to 3)
    long SetSortColumn(unsigned col, int level) { return Send(grid::kSetSortColumn, col, level); }
    long ClearSortLevel(int level) {
        return Send(grid::kSetSortColumn, grid::kClearSortLevel, level);
    }
    long SetSortAscending(bool ascending, int level) {
        return Send(grid::kSetSortAscending, ascending ? 1 : 0, level);
    }
    long SetSortNoCase(bool noCase, int level) {
        return Send(grid::kSetSortNoCase, noCase ? 1 : 0, level);
    }

private:
    LRESULT SendRaw(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
        return m_hWnd ? ::SendMessageA(m_hWnd, msg, w, l) : 0;
    }
    long Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const {
        if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return grid::kNoWindow;
        return static_cast<long>(::SendMessageA(m_hWnd, msg, w, l));
    }
    long SendText(UINT msg, int col, const char* text) const {
        return Send(msg, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(text));
    }
    long SendBuffer(UINT msg, int col, char* buffer) const {
        return Send(msg, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(buffer));
    }
    long SendPointer(UINT msg, const void* pointer) const {
        return Send(msg, 0, reinterpret_cast<LPARAM>(pointer));
    }

    HWND m_hWnd;
};

}  // namespace tw
