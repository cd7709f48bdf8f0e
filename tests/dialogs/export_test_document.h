#pragma once
// A small document for the export tests: two projects, a category and a client, and records
// on 2026-11-02 built from local times, so the expected texts hold in any time zone.

#include <array>
#include <string>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "doc/time_rec.h"
#include "framework/local_time.h"
#include "tests/doc/document_test_support.h"

namespace tw::testing {

// The default column header texts, table column order.
inline const std::array<std::string, kColumnCount> kDefaultTitles = {
    "Start Date",   "Start Time",  "Stop Date", "Stop Time", "Elapsed Time",
    "Paused  Time", "Hourly Rate", "Charge",    "Project",   "Category",
    "Client",       "Expense",     "X",         "Notes"};

class ExportDocumentTest : public DocumentTest {
protected:
    ExportDocumentTest() {
        doc.OnNewDocument();
        web = doc.AddItem(kProjectList, CProjectCost("Web", 60.0f));
        app = doc.AddItem(kProjectList, CProjectCost("app", 30.0f));
        design = doc.AddItem(kCategoryList, CProjectCost("Design", 0.0f));
        acme = doc.AddItem(kClientList, CProjectCost("Acme", 0.0f));
    }

    // A stopped record starting at hour:minute on 2026-11-02, `minutes` long.
    CTimeRec& Add(int hour, int minute, int minutes, int project, const std::string& notes = "",
                  int mark = 0, float expense = 0.0f) {
        TimeRecValues v;
        v.start = MakeLocalTime({2026, 11, 2, hour, minute, 0});
        v.elapsed = minutes * 60;
        v.stop = v.start + v.elapsed;
        v.projectIndex = project;
        v.categoryIndex = design;
        v.clientIndex = project == web ? acme : 0;
        v.mark = mark;
        v.expense = expense;
        v.notes = notes;
        CTimeRec* record = doc.AddRecord();
        record->SetAll(v);
        return *record;
    }

    void ChangeSettings(void (*change)(DocumentSettings&)) {
        DocumentSettings s = doc.Settings();
        change(s);
        doc.SetSettings(s);
    }

    CWorkmetrDoc doc;
    int web = 0, app = 0, design = 0, acme = 0;
};

}  // namespace tw::testing
