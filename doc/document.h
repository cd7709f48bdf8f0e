#pragma once
// CWorkmetrDoc: one open time file. It owns the time records, the three item lists, the
// template record and the document's preferences; it runs the active record's clock, applies
// cell edits, computes charges and totals and reads and writes the file. The view and the
// dialogs change records only through it, so the modified flag and the clock state stay right.
// Its view and the application are reached through doc/document_observer.h.
//
// The implementation is split by concern: document.cpp (life cycle, preferences),
// document_clock.cpp (records and the clock), document_cells.cpp (cell edits),
// document_items.cpp (item lists), document_totals.cpp (rates and totals),
// document_file.cpp (Serialize).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "doc/display_formats.h"
#include "doc/document_settings.h"
#include "framework/local_time.h"
#include "doc/time_rec.h"
#include "doc/time_range.h"
#include "framework/document_base.h"

namespace tw {

class CProjectCost;
class IDocumentView;
class IDocumentApplication;

using ItemList = std::vector<std::unique_ptr<CProjectCost>>;  // empty slots are null
using RecordList = std::vector<std::unique_ptr<CTimeRec>>;

// Totals over a set of records, summed as the document's totals are.
struct RecordTotals {
    int count = 0;
    Duration time = 0;  // rounded durations, summed in 64 bits and kept to the 32-bit range
    float charge = 0.0f;
    float expense = 0.0f;
};

// The reason of a refused open whose header is not a Tallywick one; the reader has shown the
// Open Error text already.
inline constexpr const char* kForeignHeaderReason = "not a Tallywick file";

// The document base is virtual so that the program's document can also be a framework document
// (CAppDocument) with one path, title and modified flag.
class CWorkmetrDoc : public virtual CDocument {
    TW_DECLARE_SERIAL(CWorkmetrDoc)

public:
    CWorkmetrDoc();
    ~CWorkmetrDoc() override;

    // Connections (either may be null)
    void SetView(IDocumentView* view) { view_ = view; }
    void SetApplication(IDocumentApplication* app) { app_ = app; }

    // Records
    int GetRecordCount() const { return static_cast<int>(content_.records.size()); }
    CTimeRec* GetRecord(int position);  // null for a position out of range
    const CTimeRec* GetRecord(int position) const;
    CTimeRec* StartNewRecord();
    CTimeRec* AddRecord();
    // Appends a copy (before < 0 or past the end) or inserts it before `before`.
    CTimeRec* InsertRecordCopy(const CTimeRec& record, int before = -1);
    void RemoveRecord(int position);
    // Removes the records at `positions` (any order, repeats and bad positions ignored) in one
    // pass, stopping the active one first; the view and the totals are told once.
    void RemoveRecords(const std::vector<int>& positions);
    bool IsRecordRunning(int row) const;
    // The Edit Time dialog's values for the record of `row`. False when nothing was changed.
    bool SetRecordValues(int row, const TimeRecValues& values);

    // Clock
    CTimeRec* RestartRecord(int position);
    CTimeRec* StopActiveRecord();
    void PauseActiveRecord();
    CTimeRec* ResumeActiveRecord();
    CTimeRec* TickActiveRecord();
    int GetActiveRecord() const { return active_; }  // -1: none
    int GetLastActiveRecord() const { return lastActive_; }
    bool IsStopped() const { return stopped_; }
    bool IsPaused() const { return paused_; }
    // True when the shown minute of `elapsed` differs from the one shown last (per kind).
    bool MinuteChanged(Duration elapsed, bool exact);

    // Cell edits; each returns true when it changed the record, and then marks the document
    // modified and refreshes the row and the totals.
    bool EditDateCell(int row, int column, int year, int month, int day);
    bool EditTimeCell(int row, int column, int hour, int minute, int second);
    bool EditTextCell(int row, int column, const std::string& text);
    // The mark column: stores the mark (SetMark) and marks the document modified.
    bool EditMarkCell(int row, int mark);
    // Batch marking (document_marks.cpp): stores the mark, marks the document modified and
    // refreshes the row when it changed; the totals are left to the caller. False when unchanged.
    bool SetRecordMark(int position, int mark);

    // Item lists; `type` is 0 projects, 1 categories, 2 clients, anything else fails.
    const ItemList* GetItemList(int type) const;
    bool IsValidItemIndex(int type, int index) const;
    bool GetItemDisplayText(int type, int index, std::string& text) const;
    int FindItemByName(int type, const std::string& name) const;
    int AddItem(int type, const CProjectCost& item);
    bool IsItemUsed(int type, int index) const;
    // Books every record, the remembered record and the new-record default that refer to
    // `index` of the list `type` to no item; the document is marked modified and the view told
    // only when something referred to it.
    void ClearItemReferences(int type, int index);
    // Takes back a list edited on a copy (the rate list editor after OK).
    bool SetItemList(int type, const ItemList& edited);
    void EnsureBlankItems();
    // Books the record of `row` to the item whose display text is `text`, adding an item when
    // none matches. False when nothing changed.
    bool BookRecordByName(int row, int type, const std::string& text);
    static void CopyItemList(ItemList& destination, const ItemList& source);

    // Rates and totals
    float EffectiveRate(const CTimeRec& record) const;
    Duration RoundDuration(Duration duration, bool exact) const;
    float ComputeCharge(Duration elapsed, float rate) const;
    Duration TotalAllTime();
    Duration TotalMarkedTime();
    float TotalAllCharge() const;
    float TotalMarkedCharge() const;
    float TotalAllExpense() const;
    float TotalMarkedExpense() const;
    // The totals of the records `include` accepts, in list order.
    RecordTotals TotalsOf(const std::function<bool(const CTimeRec&)>& include) const;
    Duration GetTotalAllTime() const { return totalAllTime_; }  // as last computed
    Duration GetTotalMarkedTime() const { return totalMarkedTime_; }
    int GetTotalsMode() const { return content_.settings.totalsMode; }
    void SetTotalsMode(int mode);

    // The display formats under the document's time display settings.
    const CDisplayFormats& Formats() const { return formats_; }

    // Preferences
    const DocumentSettings& Settings() const { return content_.settings; }
    void SetSettings(const DocumentSettings& settings);  // marks modified
    // The three sort levels (document_marks.cpp); `modified` marks the document modified.
    void SetSortLevels(const std::array<SortLevel, 3>& levels, bool modified);
    std::string GetColumnHeaderText(int column) const;  // the custom text; empty when none
    const CTimeRec& GetTemplateRecord() const { return content_.templateRecord; }
    int GetFileVersion() const { return content_.versionIndex; }

    // File and life cycle
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    // Reads into a fresh document and takes its content only when the whole file was read,
    // so a damaged file leaves this document as it was.
    void ReadFrom(IByteSource& source) override;
    // Closing steps before the framework closes: reopen recording and auto-save.
    void PrepareToClose();
    // False while auto-save answers the "Save changes" question by saving.
    bool AsksToSaveChanges() const;

private:
    struct Content {
        RecordList records;
        ItemList lists[kItemListCount];
        CTimeRec templateRecord;
        DocumentSettings settings;
        int versionIndex = 10;  // of the file last read; a new document counts as 10
    };

    void Changed();                   // marks modified
    void RecordEdited(int position);  // modified, row and totals refreshed
    void ResetClock();
    void ClearActive();              // idle: no active record, stopped, not paused
    CTimeRec* ActiveRecordOrIdle();  // the active record; without one the state becomes idle
    void ApplyNewRecordDefaults(CTimeRec& record) const;
    int ValidIndexOrZero(int type, int index) const;
    bool WholeMinutes() const { return content_.settings.timeDisplay.increment != 0; }
    ItemList* MutableList(int type);
    // Appends (before < 0 or past the end) or inserts; null when there is no record or memory.
    CTimeRec* PlaceRecord(std::unique_ptr<CTimeRec> record, int before);
    // Cell edits (document_cells.cpp)
    RecalcTarget CellTarget(int column) const;
    template <class ChangeParts>
    bool EditDateTimeCell(int row, int column, ChangeParts change);
    bool EditTimePart(int row, int column, const LocalParts& parts);
    bool EditDurationCell(int row, int column, const std::string& text);
    bool Finish(int row, bool changed);  // modified and refreshed when changed, else redrawn
    RecordTotals TotalsOfAll(bool markedOnly) const;

    // File (document_file.cpp)
    void StoreFile(CArchive& ar);
    void LoadFile(CArchive& ar);
    void TakeTemplateFromLastActive();

    Content content_;
    IDocumentView* view_ = nullptr;
    IDocumentApplication* app_ = nullptr;
    int active_ = -1;
    int lastActive_ = -1;
    bool stopped_ = true;
    bool paused_ = false;
    CDisplayFormats formats_;  // bound to content_.settings.timeDisplay
    Duration totalAllTime_ = 0;
    Duration totalMarkedTime_ = 0;
};

}  // namespace tw
