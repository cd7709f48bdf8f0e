#pragma once
// What the Print Preferences dialog edits: the fourteen printed-column flags and the print
// options with the print font, and how OK stores them: with the file name chosen as the page
// header, the custom header text is emptied.

#include <array>

#include "doc/document_settings.h"

namespace tw {

struct PrintChoices {
    std::array<bool, kColumnCount> columns{};  // table column order
    PrintSettings options;
};

PrintChoices PrintChoicesOf(const DocumentSettings& settings);
// The choices as OK stores them.
PrintChoices StoredPrintChoices(PrintChoices choices);
// Puts the choices into the settings.
void TakePrintChoices(DocumentSettings& settings, const PrintChoices& choices);

}  // namespace tw
