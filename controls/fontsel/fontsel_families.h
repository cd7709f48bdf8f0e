#pragma once
// The font selector's families: enumeration into the table and the family list, and choosing
// and reading the selected family.

#include "controls/fontsel/fontsel_state.h"

namespace tw {

// Appends a family found by the enumeration (record and list entry); false stops the
// enumeration (the table could not grow).
bool FS_AddFamily(FontSelState& s, const LOGFONTA& font, const TEXTMETRICA& metrics);
// Enumerates the screen's families into the table and the list; selects the first.
void FS_FillFamilies(FontSelState& s);
// Selects the first family whose name begins with `face`; 1, or 0 when none matches.
LRESULT FS_SetFontFamily(FontSelState& s, const char* face);
// The selected family's name cut to `size` bytes; a single blank without selection or table.
LRESULT FS_GetFontFamily(const FontSelState& s, char* buffer, int size);
// The record behind a family list item, or null when its data is outside the table.
const FamilyRecord* FS_FamilyOfItem(const FontSelState& s, int item);

}  // namespace tw
