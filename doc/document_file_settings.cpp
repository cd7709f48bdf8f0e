#include "doc/document_file_settings.h"

#include "framework/archive.h"

namespace tw {

namespace {

constexpr uint64_t kPlacementBodyBytes = 34;  // show state and eight positions

void WriteFlag(CArchive& ar, bool flag) { ar.WriteU16(flag ? 1 : 0); }
bool ReadFlag(CArchive& ar) { return ar.ReadU16() != 0; }
void WriteInt(CArchive& ar, int value) { ar.WriteU16(static_cast<uint16_t>(value)); }
int ReadInt(CArchive& ar) { return ar.ReadU16(); }

void WritePoint(CArchive& ar, const PointValue& p) {
    ar.WriteI32(p.x);
    ar.WriteI32(p.y);
}

PointValue ReadPoint(CArchive& ar) {
    PointValue p;
    p.x = ar.ReadI32();
    p.y = ar.ReadI32();
    return p;
}

// Show state, minimised and maximised positions and the normal rectangle.
void ReadPlacementBody(CArchive& ar, WindowPlacementState& p) {
    p.showState = ReadInt(ar);
    p.minPosition = ReadPoint(ar);
    p.maxPosition = ReadPoint(ar);
    p.normal.left = ar.ReadI32();
    p.normal.top = ar.ReadI32();
    p.normal.right = ar.ReadI32();
    p.normal.bottom = ar.ReadI32();
    p.valid = true;
    p.explicitMinPosition = p.showState == 2 && (p.minPosition.x != -1 || p.minPosition.y != -1);
}

void ReadPlacementHead(CArchive& ar, WindowPlacementState& p) {
    if (ReadFlag(ar))
        ReadPlacementBody(ar, p);
    else
        ar.Skip(kPlacementBodyBytes);
    p.compacted = ReadFlag(ar);
}

void WriteColumnFlags(CArchive& ar, const DocumentSettings& s, bool ColumnSetting::*flag) {
    for (const ColumnSetting& c : s.columns) WriteFlag(ar, c.*flag);
}

void ReadColumnFlags(CArchive& ar, DocumentSettings& s, bool ColumnSetting::*flag) {
    for (ColumnSetting& c : s.columns) c.*flag = ReadFlag(ar);
}

void WriteColumnInts(CArchive& ar, const DocumentSettings& s, int ColumnSetting::*value) {
    for (const ColumnSetting& c : s.columns) WriteInt(ar, c.*value);
}

void ReadColumnInts(CArchive& ar, DocumentSettings& s, int ColumnSetting::*value) {
    for (ColumnSetting& c : s.columns) c.*value = ReadInt(ar);
}

void WriteViewState(CArchive& ar, const SavedViewState& v) {
    ar.WriteU16(v.first);
    ar.WriteU16(v.second);
    ar.WriteI32(v.third);
    ar.WriteI32(v.fourth);
    ar.WriteU16(v.fifth);
    ar.WriteU16(v.sixth);
}

void ReadViewState(CArchive& ar, SavedViewState& v) {
    v.first = ar.ReadU16();
    v.second = ar.ReadU16();
    v.third = ar.ReadI32();
    v.fourth = ar.ReadI32();
    v.fifth = ar.ReadU16();
    v.sixth = ar.ReadU16();
}

void WriteColumnSettings(CArchive& ar, const DocumentSettings& s) {
    WriteColumnFlags(ar, s, &ColumnSetting::hidden);
    WriteColumnInts(ar, s, &ColumnSetting::dataJustify);
    WriteColumnInts(ar, s, &ColumnSetting::headerJustify);
    for (const ColumnSetting& c : s.columns) ar.WriteString(c.customHeader);
}

void ReadColumnSettings(CArchive& ar, DocumentSettings& s) {
    ReadColumnFlags(ar, s, &ColumnSetting::hidden);
    ReadColumnInts(ar, s, &ColumnSetting::dataJustify);
    ReadColumnInts(ar, s, &ColumnSetting::headerJustify);
    for (ColumnSetting& c : s.columns) c.customHeader = ar.ReadString();
}

void WriteExport(CArchive& ar, const DocumentSettings& s) {
    const ExportSettings& e = s.exporting;
    WriteColumnFlags(ar, s, &ColumnSetting::exported);
    for (bool flag : {e.newFile, e.allRecords, e.headerRow, e.totalsRow, e.removeCarriageReturns})
        WriteFlag(ar, flag);
}

void ReadExport(CArchive& ar, DocumentSettings& s) {
    ExportSettings& e = s.exporting;
    ReadColumnFlags(ar, s, &ColumnSetting::exported);
    for (bool* flag :
         {&e.newFile, &e.allRecords, &e.headerRow, &e.totalsRow, &e.removeCarriageReturns})
        *flag = ReadFlag(ar);
}

void WritePrint(CArchive& ar, const DocumentSettings& s) {
    const PrintSettings& p = s.printing;
    WriteColumnFlags(ar, s, &ColumnSetting::printed);
    for (bool flag : {p.totals, p.blankLineBetween, p.columnNames, p.pageHeader, p.allRecords})
        WriteFlag(ar, flag);
    WriteInt(ar, p.fontHeight);
    WriteInt(ar, p.fontWeight);
    WriteFlag(ar, p.fontItalic);
    ar.WriteString(p.fontFace.substr(0, kFontFaceMax));
    WriteFlag(ar, p.customHeader);
    ar.WriteString(p.customHeaderText);
}

void ReadPrint(CArchive& ar, DocumentSettings& s) {
    PrintSettings& p = s.printing;
    ReadColumnFlags(ar, s, &ColumnSetting::printed);
    for (bool* flag :
         {&p.totals, &p.blankLineBetween, &p.columnNames, &p.pageHeader, &p.allRecords})
        *flag = ReadFlag(ar);
    p.fontHeight = ReadInt(ar);
    p.fontWeight = ReadInt(ar);
    p.fontItalic = ReadFlag(ar);
    p.fontFace = ar.ReadString();
    if (p.fontFace.size() > kFontFaceMax) p.fontFace.resize(kFontFaceMax);
    p.customHeader = ReadFlag(ar);
    p.customHeaderText = ar.ReadString();
}

}  // namespace

int IncrementModeFromFile(unsigned stored) {
    return (stored == 0 || stored == 2 || stored == 3 || stored == 4) ? static_cast<int>(stored)
                                                                      : 1;
}

int HundredthsFromFile(unsigned stored) {
    if (stored < 5) return 5;
    if (stored > 100) return 100;
    return static_cast<int>(stored);
}

int TotalsModeFromFile(unsigned stored) {
    return (stored == 1 || stored == 2) ? static_cast<int>(stored) : 0;
}

void WriteTimeDisplay(CArchive& ar, const TimeDisplaySettings& s) {
    WriteInt(ar, s.increment);
    WriteFlag(ar, s.decimalNotation);
    WriteInt(ar, s.hundredths);
}

void ReadTimeDisplay(CArchive& ar, TimeDisplaySettings& s) {
    s.increment = IncrementModeFromFile(ar.ReadU16());
    s.decimalNotation = ReadFlag(ar);
    s.hundredths = HundredthsFromFile(ar.ReadU16());
}

void WriteRateChoice(CArchive& ar, const RateSettings& s) {
    WriteInt(ar, s.rateSource);
    WriteFlag(ar, s.includeRatesInMenu);
    WriteFlag(ar, s.alwaysSortItems);
}

void ReadRateChoice(CArchive& ar, RateSettings& s) {
    s.rateSource = ReadInt(ar);
    s.includeRatesInMenu = ReadFlag(ar);
    s.alwaysSortItems = ReadFlag(ar);
}

void WriteColumnWidths(CArchive& ar, const DocumentSettings& s) {
    WriteColumnInts(ar, s, &ColumnSetting::width);
}

void ReadColumnWidths(CArchive& ar, DocumentSettings& s) {
    ReadColumnInts(ar, s, &ColumnSetting::width);
}

void ReadColumnWidthsWithoutExpense(CArchive& ar, DocumentSettings& s) {
    for (int c = 0; c < kColumnCount; ++c)
        if (c != kColExpense) s.columns[c].width = ReadInt(ar);
}

void WritePlacement(CArchive& ar, const WindowPlacementState& p) {
    WriteFlag(ar, p.valid);
    WriteInt(ar, p.showState);
    WritePoint(ar, p.minPosition);
    WritePoint(ar, p.maxPosition);
    for (int32_t v : {p.normal.left, p.normal.top, p.normal.right, p.normal.bottom}) ar.WriteI32(v);
    WriteFlag(ar, p.compacted);
    WritePoint(ar, p.currentTopLeft);
}

void ReadPlacement(CArchive& ar, WindowPlacementState& p) {
    ReadPlacementHead(ar, p);
    p.currentTopLeft = ReadPoint(ar);
}

void ReadShortPlacement(CArchive& ar, WindowPlacementState& p) {
    ReadPlacementHead(ar, p);
    p.currentTopLeft = {p.normal.left, p.normal.top};
}

void WriteSort(CArchive& ar, const DocumentSettings& s) {
    for (const SortLevel& l : s.sort) WriteFlag(ar, l.ascending);
    for (const SortLevel& l : s.sort) WriteFlag(ar, l.caseInsensitive);
    for (const SortLevel& l : s.sort) WriteFlag(ar, l.use);
    for (const SortLevel& l : s.sort) WriteInt(ar, l.column);
}

void ReadSort(CArchive& ar, DocumentSettings& s) {
    for (SortLevel& l : s.sort) l.ascending = ReadFlag(ar);
    for (SortLevel& l : s.sort) l.caseInsensitive = ReadFlag(ar);
    for (SortLevel& l : s.sort) l.use = ReadFlag(ar);
    for (SortLevel& l : s.sort) l.column = ReadInt(ar);
}

void WriteViewAndOutput(CArchive& ar, const DocumentSettings& s) {
    WriteViewState(ar, s.viewState);
    WriteColumnSettings(ar, s);
    WriteExport(ar, s);
    WriteInt(ar, s.totalsMode);
    WritePrint(ar, s);
}

void ReadViewAndOutput(CArchive& ar, DocumentSettings& s) {
    ReadViewState(ar, s.viewState);
    ReadColumnSettings(ar, s);
    ReadExport(ar, s);
    s.totalsMode = TotalsModeFromFile(ar.ReadU16());
    ReadPrint(ar, s);
}

void WriteRecordDefaults(CArchive& ar, const RecordDefaults& d) {
    WriteInt(ar, d.mark);
    WriteFlag(ar, d.useDefinedItems);
    WriteInt(ar, d.project);
    WriteInt(ar, d.category);
    WriteInt(ar, d.client);
}

void ReadRecordDefaults(CArchive& ar, RecordDefaults& d) {
    d.mark = ReadInt(ar);
    d.useDefinedItems = ReadFlag(ar);
    d.project = ReadInt(ar);
    d.category = ReadInt(ar);
    d.client = ReadInt(ar);
}

}  // namespace tw
