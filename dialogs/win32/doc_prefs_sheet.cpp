#include "dialogs/win32/doc_prefs_sheet.h"

#include "app/res/resource.h"
#include "app/win32/tally_doc.h"
#include "dialogs/time_display_choice.h"
#include "dialogs/win32/document_view.h"
#include "framework/win32/app.h"
#include "framework/win32/window.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

DocumentSettings ShownSettings(const CWorkmetrDoc& doc) {
    DocumentSettings shown = doc.Settings();
    shown.timeDisplay = ShownTimeDisplay(shown.timeDisplay);
    return shown;
}

bool SameTimeDisplay(const TimeDisplaySettings& a, const TimeDisplaySettings& b) {
    return a.increment == b.increment && a.decimalNotation == b.decimalNotation &&
           a.hundredths == b.hundredths;
}

bool SameDefaults(const RecordDefaults& a, const RecordDefaults& b) {
    return a.useDefinedItems == b.useDefinedItems && a.mark == b.mark && a.project == b.project &&
           a.category == b.category && a.client == b.client;
}

// Hands each changed column setting to the grid.
void ApplyColumnChanges(CFormDlg& view, const std::vector<ColumnChange>& changes,
                        const ColumnSettings& columns) {
    for (const ColumnChange& change : changes) {
        const ColumnSetting& column = columns[change.column];
        if (change.hidden) view.SetColumnHidden(change.column, column.hidden);
        if (change.dataJustify) view.SetColumnJustify(change.column, column.dataJustify);
        if (change.headerJustify) view.SetHeaderJustify(change.column, column.headerJustify);
        if (change.headerText) view.SetColumnTitle(change.column, column.customHeader);
    }
}

}  // namespace

CDocPrefsSheet::CDocPrefsSheet(const CWorkmetrDoc& doc, HWND parent)
    : CPropertySheet(LoadResourceString(IDS_DOC_PREFERENCES_CAPTION) + doc.GetTitle(), parent),
      chosen_(ShownSettings(doc)),
      timeDisplay_(chosen_.timeDisplay),
      columns_(chosen_.columns),
      defaults_(chosen_.defaults, doc) {
    AddPage(timeDisplay_);
    AddPage(columns_);
    AddPage(defaults_);
}

DocumentSettings CDocPrefsSheet::ChosenFrom(const DocumentSettings& settings) const {
    DocumentSettings result = settings;
    result.timeDisplay = chosen_.timeDisplay;
    result.defaults = chosen_.defaults;
    for (int c = 0; c < kColumnCount; ++c) {
        const ColumnSetting& edited = columns_.Columns()[c];
        result.columns[c].hidden = edited.hidden;
        result.columns[c].dataJustify = edited.dataJustify;
        result.columns[c].headerJustify = edited.headerJustify;
        result.columns[c].customHeader = edited.customHeader;
    }
    return result;
}

void RunDocumentPreferences(CTallyDoc& doc) {
    HWND owner = TheApp() != nullptr ? TheApp()->MainWindow() : nullptr;
    CDocPrefsSheet sheet(doc, owner);
    if (sheet.DoModal() != IDOK) return;
    const DocumentSettings before = doc.Settings();
    const DocumentSettings after = sheet.ChosenFrom(before);
    const bool timeChanged = !SameTimeDisplay(before.timeDisplay, after.timeDisplay);
    const std::vector<ColumnChange> changes = ColumnChanges(before.columns, after.columns);
    if (!timeChanged && changes.empty() && SameDefaults(before.defaults, after.defaults)) return;
    doc.SetSettings(after);
    CFormDlg* view = TableViewOf(doc);
    if (view == nullptr || (!timeChanged && changes.empty())) return;
    ApplyColumnChanges(*view, changes, after.columns);
    view->RefreshAllRows();
    // The totals were shown again by the document; the captions carry the total time too.
    if (timeChanged) view->UpdateCaptions();
}

}  // namespace tw
