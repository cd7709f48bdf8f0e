#pragma once
// CFormDlg: the time table view of a document. A form (template 121) holding the grid, one row
// per record in the document's list order, the totals bar and the STATUS picture. It sets the
// grid up from the document's column settings, keeps rows current as records change, runs the
// in-cell editing and the running clock, and adds the document's popup to the main window's
// system menu.

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/win32/table_printer.h"
#include "doc/document_observer.h"
#include "framework/win32/form_view.h"
#include "view/clock_texts.h"
#include "view/grid_interface.h"
#include "view/time_table_row.h"
#include "view/record_copies.h"
#include "view/win32/grid_wrapper.h"

namespace tw {

class CTimeRec;
class CWorkmetrDoc;
class IViewFrame;
class IViewHost;
struct MarkCriteria;

class CFormDlg : public CFormView, public IDocumentView {
public:
    CFormDlg();
    ~CFormDlg() override;

    // Attributes
    CWorkmetrDoc* Document() const;
    CGridCtrl& Grid() { return grid_; }
    unsigned MenuBase() const { return menuBase_; }
    HMENU MenuPopup() const { return menuPopup_; }
    ClockState State() const;
    bool HasClockTimer() const { return timerSet_; }

    // Rows
    // Puts `row` (its key set to `key`) into the grid: overwrite makes row `at` current and
    // overwrites it, insert inserts before row `at` (-2 appends). With `scroll` the row is brought
    // into view. The row's index, or a negative value when the grid refused it.
    int PutRow(grid::TimeTableRow& row, bool overwrite, int key, int at, bool scroll);
    // The record key of a grid row, or -1.
    int RecordOfRow(int row);
    // The grid row of a record key, or -1.
    int RowOfRecord(int key);
    // Every record as a row, in list order; false (and an empty grid) when a row was refused.
    bool FillTable();
    // Rebuilds every row in place.
    void RefreshAllRows();
    // The choice lists of the three item columns.
    void SetChoiceLists();
    // Column operations on document column `index` (grid column index + 1).
    void SetColumnHidden(int index, bool hidden);
    void SetColumnJustify(int index, int code);
    void SetHeaderJustify(int index, int code);
    void SetColumnTitle(int index, const std::string& text);

    // The clock
    void StartStop();
    void PauseResume();
    void OnClockTick();
    void SelectActiveRow();
    void ShowTotals();
    void ShowActiveElapsed();
    void SetTotalsLabels(int mode);
    void UpdateClockDisplay();
    void UpdateCaptions();
    // A command of the view's popup in the main window's system menu (offset 1 to 4).
    void OnMenuBlockCommand(unsigned offset);
    // Grays or enables the popup's items by the clock state (before the popup opens).
    void UpdateMenuBlockItems(HMENU popup);

    // Editing
    void OpenCellEditor();
    bool CanOpenCellEditor();
    void AddTableRow();
    // The Edit Time dialog (form_edit_time.cpp): for each selected row in turn, or for the
    // active record while the window is compacted; for the active record; for one record with
    // the focus on a table column. EditRecord gives the dialog's result.
    void EditSelectedRecords();
    void EditActiveRecord();
    INT_PTR EditRecord(int key, int focusColumn);

    // Selection and marks (form_marking.cpp)
    void SelectAllRows(bool on);
    void ToggleSelectedMarks();
    void MarkEveryRecord(int mark);
    void SelectMarkedRows();
    void RunMarkSpecial();
    void MarkByCriteria(const MarkCriteria& criteria);

    // Sorting (form_sorting.cpp): the document's levels to the grid (levels the grid refuses
    // leave the document); sorting held off (nested) while a batch rewrites rows.
    void RunSortDialog();
    void ApplySortSettings();
    void SuspendSorting(bool on);

    // Clipboard and deletion (form_clipboard.cpp): each acts on an open cell editor instead.
    void CopyRows();
    void CutRows();
    void PasteRows();
    void DeleteRows();
    void UndeleteRows();
    const RecordCopies& UndeleteStore() const { return undeleteStore_; }

    // Printing (form_print.cpp): the Print Preferences dialog first, then the table's pages.
    bool OnPreparePrinting(CPrintInfo& info) override;
    void OnBeginPrinting(HDC dc, CPrintInfo& info) override;
    void OnPrint(HDC dc, CPrintInfo& info) override;
    void OnEndPrinting(HDC dc, CPrintInfo& info) override;

    // IDocumentView
    void RecordChanged(int position) override;
    void RowsChanged() override;
    void ItemListsChanged() override;
    void TotalsChanged() override;
    void CollectWindowState(DocumentSettings& settings) override;

    // The grid follows the document window's size, never below its size at setup.
    void ResizeGrid(int dx, int dy);

    // Timer of the running clock.
    static constexpr UINT_PTR kClockTimer = 10;
    static constexpr UINT kClockPeriod = 1000;

protected:
    void OnInitialUpdate() override;
    void OnTimer(UINT_PTR id) override;
    bool OnControlCommand(UINT id, UINT code, HWND control) override;
    INT_PTR OnFormMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void RegisterCommands();
    void RegisterEditTimeCommands();
    void RegisterMarkingCommands();
    void RegisterSortingCommands();
    class MarkingBatch;
    void RegisterClipboardCommands();
    void RegisterPrintCommands();
    size_t CopySelection(const std::vector<int>& selected);
    void RemoveRecords(const std::vector<int>& keys);
    size_t InsertCopies(const RecordCopies& source);
    bool AppendCopyRow(int position);
    bool EditorTakes(UINT message);
    std::vector<int> SelectedRecords();
    void SetupColumns();
    void SetupColumn(int c);
    void RestoreViewState();
    void ApplyWindowPlacement();
    void SizeMainWindowAroundChild();
    void FitFrameToForm();
    void FitGridToView();
    // Column widths are kept in thirds of a character; the grid takes pixels.
    int CharWidth() const;
    int WidthToPixels(int units) const;
    int PixelsToWidth(int pixels) const;
    void PutRecordRow(int position, bool scroll);
    void SetStatic(int id, const std::string& text);
    void SetTimer();
    void KillTimer();
    void DrawStatusPicture(const DRAWITEMSTRUCT& item);
    std::string ColumnNameAt(int column);
    std::string CurrentColumnName();
    void OnGridNotify(UINT code);
    void OnEditBegin();
    void OnEditorOpened();
    void OnCharTyped();
    void OnEditEnd();
    void OnCellChanged();
    void OnGridClick();
    void OnGridDoubleClick();
    void BuildMenuBlock();
    void RemoveMenuBlock();
    void RefreshMenuBlockTotals();
    IViewFrame* ViewFrame() const;
    bool IsFrameMinimized() const;

    CGridCtrl grid_;
    SIZE gridSetupSize_{0, 0};
    bool allSelected_ = false;
    int notesRowHeight_ = 0;
    int widestList_ = 0;  // pixel width of 64 "M" characters in the grid's font
    unsigned menuBase_ = 0;
    HMENU menuPopup_ = nullptr;
    bool timerSet_ = false;
    bool ownRowChange_ = false;  // the view puts the rows of its own record changes
    bool setUp_ = false;
    bool batchRows_ = false;               // rows of a batch are put without scrolling
    MoneyTextMemo* batchMoney_ = nullptr;  // money texts kept for the rows of a batch
    int sortingSuspended_ = 0;             // depth of SuspendSorting(true)
    RecordCopies undeleteStore_;           // the records of the last Delete
    CTablePrinter printer_;                // pages and line counts while printing
};

}  // namespace tw
