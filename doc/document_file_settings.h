#pragma once
// The settings groups of the document file, each written and read on its own. The current
// layout holds them all; the older layouts hold some of them (doc/document_file.cpp composes
// the layouts). Readers apply the conversions of stored values that are out of range.

#include "doc/document_settings.h"

namespace tw {

class CArchive;

void WriteTimeDisplay(CArchive& ar, const TimeDisplaySettings& s);
void ReadTimeDisplay(CArchive& ar, TimeDisplaySettings& s);

void WriteRateChoice(CArchive& ar, const RateSettings& s);  // source, rates in menu, sort items
void ReadRateChoice(CArchive& ar, RateSettings& s);

void WriteColumnWidths(CArchive& ar, const DocumentSettings& s);
void ReadColumnWidths(CArchive& ar, DocumentSettings& s);
// The older form: no width for the expense column, which keeps its value.
void ReadColumnWidthsWithoutExpense(CArchive& ar, DocumentSettings& s);

void WritePlacement(CArchive& ar, const WindowPlacementState& p);
void ReadPlacement(CArchive& ar, WindowPlacementState& p);
// The older form: present flag, show state, positions and rectangle, then the compacted flag.
void ReadShortPlacement(CArchive& ar, WindowPlacementState& p);

void WriteSort(CArchive& ar, const DocumentSettings& s);
void ReadSort(CArchive& ar, DocumentSettings& s);

// Items between the sort settings and the item lists of the newer layouts: the saved view
// state, column settings, export settings, totals mode, print settings and custom header.
void WriteViewAndOutput(CArchive& ar, const DocumentSettings& s);
void ReadViewAndOutput(CArchive& ar, DocumentSettings& s);

void WriteRecordDefaults(CArchive& ar, const RecordDefaults& d);
void ReadRecordDefaults(CArchive& ar, RecordDefaults& d);

// Conversions of stored values.
int IncrementModeFromFile(unsigned stored);
int HundredthsFromFile(unsigned stored);
int TotalsModeFromFile(unsigned stored);

}  // namespace tw
