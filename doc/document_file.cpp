// CWorkmetrDoc::Serialize: writes the current layout and reads all thirteen layouts.

#include <string>
#include <utility>

#include "doc/document.h"
#include "doc/document_file_settings.h"
#include "doc/document_observer.h"
#include "doc/file_format_version.h"
#include "framework/platform.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/archive.h"
#include "framework/object_table.h"

namespace tw {

namespace {

constexpr const char* kOpenErrorText =
    "Open Error\nThis file is not a Tallywick file or the file is corrupted.";

// Smallest stored forms, to refuse counts larger than the bytes left before allocating.
constexpr size_t kSmallestSlot = 2;     // an empty slot's tag
constexpr size_t kSmallestRecord = 15;  // a class tag and the shortest record body

// A collection: COUNT, then one tagged object (or empty slot) per element.
template <class T>
void WriteCollection(CArchive& ar, CObjectTable& table,
                     const std::vector<std::unique_ptr<T>>& items) {
    ar.WriteCount(static_cast<uint32_t>(items.size()));
    for (const auto& item : items) table.WriteObject(ar, item.get());
}

// `smallest` is the fewest bytes an element takes; `slotsMayBeEmpty` refuses empty slots
// when off (the record list has none).
template <class T>
void ReadCollection(CArchive& ar, CObjectTable& table, std::vector<std::unique_ptr<T>>& items,
                    size_t smallest, bool slotsMayBeEmpty) {
    const uint32_t n = ar.ReadCount(smallest);
    items.clear();
    items.reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        items.push_back(table.Read<T>(ar));
        if (!items.back() && !slotsMayBeEmpty)
            throw CArchiveException(CArchiveException::Cause::kBadIndex,
                                    "empty slot in the record list");
    }
}

// Reads the header and returns the version index; an unknown header is refused with the
// Open Error message.
int ReadHeader(CArchive& ar) {
    const std::string signature = ar.ReadString();
    const std::string version = ar.ReadString();
    const int index = FileVersionIndex(signature, version);
    if (index < 0) {
        Platform().messages->ShowMessage(kOpenErrorText);
        throw CArchiveException(CArchiveException::Cause::kBadSchema, kForeignHeaderReason);
    }
    return index;
}

// Items 3 to 5, which every "Tallywick Windows" layout starts with.
void ReadDisplayNotesAndRates(CArchive& ar, DocumentSettings& s) {
    ReadTimeDisplay(ar, s.timeDisplay);
    s.printing.notesOnNextLine = ar.ReadU16() != 0;
    ReadRateChoice(ar, s.rates);
}

// Items 3 to 14 of the newer layouts (index 10 to 12).
void ReadWindowsSettings(CArchive& ar, DocumentSettings& s) {
    ReadDisplayNotesAndRates(ar, s);
    ReadColumnWidths(ar, s);
    ReadPlacement(ar, s.placement);
    ReadSort(ar, s);
    ReadViewAndOutput(ar, s);
}

// Index 8 and 9.
void ReadWindows10Settings(CArchive& ar, DocumentSettings& s) {
    ReadDisplayNotesAndRates(ar, s);
    ReadColumnWidthsWithoutExpense(ar, s);
    ReadShortPlacement(ar, s.placement);
    ReadSort(ar, s);
}

}  // namespace

void CWorkmetrDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreFile(ar);
    else
        LoadFile(ar);
}

void CWorkmetrDoc::TakeTemplateFromLastActive() {
    const CTimeRec* last = GetRecord(lastActive_);
    if (last != nullptr && last != &content_.templateRecord) content_.templateRecord = *last;
}

void CWorkmetrDoc::StoreFile(CArchive& ar) {
    DocumentSettings& s = content_.settings;
    if (view_ != nullptr) view_->CollectWindowState(s);
    TakeTemplateFromLastActive();
    ar.WriteString(kCurrentSignature);
    ar.WriteString(kCurrentVersionText);
    WriteTimeDisplay(ar, s.timeDisplay);
    ar.WriteU16(s.printing.notesOnNextLine ? 1 : 0);
    WriteRateChoice(ar, s.rates);
    WriteColumnWidths(ar, s);
    WritePlacement(ar, s.placement);
    WriteSort(ar, s);
    WriteViewAndOutput(ar, s);
    CObjectTable table;
    for (const ItemList& list : content_.lists) WriteCollection(ar, table, list);
    WriteCollection(ar, table, content_.records);
    ar.WriteU16(s.exporting.reportsLayout ? 1 : 0);
    WriteRecordDefaults(ar, s.defaults);
    content_.templateRecord.Serialize(ar);
}

// Reads into a document that holds a new document's content (ReadFrom sees to that).
void CWorkmetrDoc::LoadFile(CArchive& ar) {
    Content& c = content_;
    DocumentSettings& s = c.settings;
    c.versionIndex = ReadHeader(ar);
    ar.Context().versionIndex = c.versionIndex;
    CObjectTable table;
    if (c.versionIndex >= 8) {
        if (c.versionIndex >= 10)
            ReadWindowsSettings(ar, s);
        else
            ReadWindows10Settings(ar, s);
        for (ItemList& list : c.lists) ReadCollection(ar, table, list, kSmallestSlot, true);
    } else {
        s.rates.oldFileRate = ar.ReadF32();
        if (c.versionIndex >= 3) ReadTimeDisplay(ar, s.timeDisplay);
        if (c.versionIndex >= 5) s.printing.notesOnNextLine = ar.ReadU16() != 0;
    }
    ar.Context().oldFileRate = s.rates.oldFileRate;
    ReadCollection(ar, table, c.records, kSmallestRecord, false);
    if (c.versionIndex < 8) EnsureBlankItems();
    if (c.versionIndex < kCurrentFileVersion) return;
    s.exporting.reportsLayout = ar.ReadU16() != 0;
    ReadRecordDefaults(ar, s.defaults);
    c.templateRecord.Serialize(ar);
}

}  // namespace tw
