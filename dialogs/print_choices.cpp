#include "dialogs/print_choices.h"

namespace tw {

PrintChoices PrintChoicesOf(const DocumentSettings& settings) {
    PrintChoices choices;
    for (size_t c = 0; c < choices.columns.size(); ++c)
        choices.columns[c] = settings.columns[c].printed;
    choices.options = settings.printing;
    return choices;
}

PrintChoices StoredPrintChoices(PrintChoices choices) {
    if (!choices.options.customHeader) choices.options.customHeaderText.clear();
    return choices;
}

void TakePrintChoices(DocumentSettings& settings, const PrintChoices& choices) {
    for (size_t c = 0; c < choices.columns.size(); ++c)
        settings.columns[c].printed = choices.columns[c];
    settings.printing = choices.options;
}

}  // namespace tw
