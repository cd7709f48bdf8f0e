#include "dialogs/export_choices.h"

#include "dialogs/column_flags.h"

namespace tw {

bool ExportChoices::operator==(const ExportChoices& other) const {
    const ExportSettings& a = options;
    const ExportSettings& b = other.options;
    return columns == other.columns && a.newFile == b.newFile && a.allRecords == b.allRecords &&
           a.headerRow == b.headerRow && a.totalsRow == b.totalsRow &&
           a.removeCarriageReturns == b.removeCarriageReturns && a.reportsLayout == b.reportsLayout;
}

ExportChoices ExportChoicesOf(const DocumentSettings& settings) {
    ExportChoices choices;
    choices.columns = ColumnFlagsOf(settings, &ColumnSetting::exported);
    choices.options = settings.exporting;
    return choices;
}

ExportChoices StoredExportChoices(ExportChoices choices) {
    if (!choices.options.reportsLayout) return choices;
    choices.columns.fill(true);
    choices.options.headerRow = false;
    choices.options.totalsRow = false;
    choices.options.removeCarriageReturns = true;
    return choices;
}

void TakeExportChoices(DocumentSettings& settings, const ExportChoices& choices) {
    SetColumnFlags(settings, &ColumnSetting::exported, choices.columns);
    settings.exporting = choices.options;
}

}  // namespace tw
