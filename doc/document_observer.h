#pragma once
// How the document reaches its view and the application. The document calls its view after
// each change it makes, and asks the application for the general settings it depends on.
// Both are optional: a document without them (the command-line tool, tests) just skips them.

#include <string>
#include <vector>

#include "doc/time_adjust.h"
#include "doc/document_settings.h"

namespace tw {

class CWorkmetrDoc;

// The document's view (the time table).
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // The record at `position` changed: rebuild and redraw its row.
    virtual void RecordChanged(int position) = 0;
    // Records were added, removed or reordered: rebuild the rows.
    virtual void RowsChanged() = 0;
    // An item list changed: refresh what depends on the lists (the choice lists).
    virtual void ItemListsChanged() = 0;
    // Totals or the totals mode changed: show them again.
    virtual void TotalsChanged() = 0;
    // Before saving: the view puts the grid's column widths (of shown columns), the window
    // placement and the saved grid state into the settings.
    virtual void CollectWindowState(DocumentSettings& settings) = 0;
};

// The application's part in the document's work.
class IDocumentApplication {
public:
    virtual ~IDocumentApplication() = default;
    // The general preference target for edits of the start, stop, elapsed or paused column.
    virtual RecalcTarget CellEditTarget(int column) const = 0;
    // The target remembered by the Edit Time dialog.
    virtual RecalcTarget EditTimeTarget() const = 0;
    // True while the application closes its main window and records the open documents.
    virtual bool IsRecordingReopen() const = 0;
    // Records one document path for reopening at the next start.
    virtual void RecordReopenPath(const std::string& path) = 0;
    // Auto-save interval in minutes; 0 when auto-save is off.
    virtual int AutoSaveInterval() const = 0;
    // The Save command for a document without a path (asks for one). True when saved.
    virtual bool SaveWithNewPath(CWorkmetrDoc& doc) = 0;
};

// A view for tests and tools: counts what it was told.
class RecordingDocumentView : public IDocumentView {
public:
    void RecordChanged(int position) override { changedRecords.push_back(position); }
    void RowsChanged() override { ++rowRebuilds; }
    void ItemListsChanged() override { ++listRefreshes; }
    void TotalsChanged() override { ++totalsRefreshes; }
    void CollectWindowState(DocumentSettings& settings) override {
        ++collections;
        if (widthOnSave > 0)
            for (ColumnSetting& c : settings.columns)
                if (!c.hidden) c.width = widthOnSave;
    }

    std::vector<int> changedRecords;
    int rowRebuilds = 0;
    int listRefreshes = 0;
    int totalsRefreshes = 0;
    int collections = 0;
    int widthOnSave = 0;  // when set, the width every shown column reports at a save
};

// An application for tests and tools with settable answers.
class RecordingDocumentApplication : public IDocumentApplication {
public:
    RecalcTarget CellEditTarget(int column) const override { return cellTarget; }
    RecalcTarget EditTimeTarget() const override { return editTimeTarget; }
    bool IsRecordingReopen() const override { return recordingReopen; }
    void RecordReopenPath(const std::string& path) override { reopenPaths.push_back(path); }
    int AutoSaveInterval() const override { return autoSaveMinutes; }
    bool SaveWithNewPath(CWorkmetrDoc&) override {
        ++saveAsRequests;
        return false;
    }

    RecalcTarget cellTarget = RecalcTarget::kElapsed;
    RecalcTarget editTimeTarget = RecalcTarget::kElapsed;
    bool recordingReopen = false;
    int autoSaveMinutes = 0;
    std::vector<std::string> reopenPaths;
    int saveAsRequests = 0;
};

}  // namespace tw
