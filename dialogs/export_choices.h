#pragma once
// What the Export Preferences dialog edits: the fourteen column flags and the export options,
// and how they are stored on OK. With the layout of the older reporting tool chosen, the stored
// flags are forced: every column, no header row, no totals row, carriage returns removed.

#include <array>

#include "doc/document_settings.h"

namespace tw {

struct ExportChoices {
    std::array<bool, kColumnCount> columns{};  // table column order
    ExportSettings options;

    bool operator==(const ExportChoices& other) const;
    bool operator!=(const ExportChoices& other) const { return !(*this == other); }
};

ExportChoices ExportChoicesOf(const DocumentSettings& settings);
// The choices as OK stores them (forced for the v1.x layout).
ExportChoices StoredExportChoices(ExportChoices choices);
// Puts the choices into the settings.
void TakeExportChoices(DocumentSettings& settings, const ExportChoices& choices);

}  // namespace tw
