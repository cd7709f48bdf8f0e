#include "dialogs/print_choices.h"

#include "dialogs/column_flags.h"

namespace tw {

PrintChoices PrintChoicesOf(const DocumentSettings& settings) {
    PrintChoices choices;
    choices.columns = ColumnFlagsOf(settings, &ColumnSetting::printed);
    choices.options = settings.printing;
    return choices;
}

PrintChoices StoredPrintChoices(PrintChoices choices) {
    if (!choices.options.customHeader) choices.options.customHeaderText.clear();
    return choices;
}

void TakePrintChoices(DocumentSettings& settings, const PrintChoices& choices) {
    SetColumnFlags(settings, &ColumnSetting::printed, choices.columns);
    settings.printing = choices.options;
}

}  // namespace tw
