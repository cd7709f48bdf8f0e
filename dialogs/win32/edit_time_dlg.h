#pragma once
// CEditTimeDlg: the Edit Time dialog (template 106). It edits a working copy of one time record
// field by field: start and stop in the date and time edits of tarn32, elapsed and paused time,
// project, category and client, an own hourly rate, expense, mark and notes. It keeps start,
// stop, elapsed and paused consistent by the time adjustments (Recalculate, Auto Adjust, and on
// leaving a time field). The caller applies Values() after OK; "Cancel Remaining" (result 3)
// asks the caller to end a series of edits.
//
// edit_time_dlg.cpp: opening and data exchange; edit_time_dlg_commands.cpp: the buttons,
// the checks, the adjustments and the notes and money fields.

#include <windows.h>

#include <functional>
#include <string>

#include "app/win32/tarn_controls.h"
#include "dialogs/edit_time_model.h"
#include "dialogs/edit_time_rules.h"
#include "dialogs/win32/item_combos.h"
#include "framework/win32/dialog.h"

namespace tw {

class CWorkmetrDoc;

class CEditTimeDlg : public CDialog {
public:
    static constexpr INT_PTR kCancelRemaining = 3;

    // Opens the rate list editor on list `type` of `doc`; true when it ended with OK.
    using ListEditor = std::function<bool(CWorkmetrDoc& doc, int type, HWND parent)>;
    // The Project, Category and Client buttons are enabled while an editor is set (the program
    // sets it once the rate list editor exists); an empty one disables them.
    static void SetListEditor(ListEditor editor);

    // Constructors
    CEditTimeDlg(CWorkmetrDoc& doc, HWND parent);

    // Before DoModal
    // The record's fields; `active`: it is the document's active record.
    void SetRecord(const CTimeRec& record, bool active) { model_.Load(record, active); }
    // The table column being edited: it picks the first focused control.
    void SetFocusColumn(int column) { focusColumn_ = column; }
    void SetTarget(RecalcTarget target) { model_.Values().target = target; }
    void SetAutoAdjust(bool on) { model_.Values().autoAdjust = on; }

    // After OK
    TimeRecValues Values() const { return model_.Result(); }
    RecalcTarget Target() const { return model_.Values().target; }
    bool AutoAdjust() const { return model_.Values().autoAdjust; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnOK() override;
    void OnCancel() override { End(IDCANCEL); }

private:
    // Opening (edit_time_dlg.cpp)
    void AttachTimeControls();
    void ShowStopControls();
    void ShowOwnRateUsed(bool used);
    void CheckTargetRadio();
    bool FillItemLists();
    void ShowTimesWithoutSeconds();
    void SetCalendarNames();
    void FocusFirstControl();
    HWND ControlOf(EditTimeControl control) const;
    // Data exchange (edit_time_dlg.cpp)
    void ExchangeTime(CDataExchange& dx, CDateEdit& date, CTimeEdit& time, CalTime& t,
                      UINT invalidMessage);
    void ExchangeDurations(CDataExchange& dx);
    void ExchangeMoney(CDataExchange& dx);
    void ExchangeTarget(CDataExchange& dx);

    // Buttons, checks and adjustments (edit_time_dlg_commands.cpp)
    bool OnNotification(UINT id, UINT code);
    bool ReadAndCheck();
    void TellFailure(EditTimeFailure failure);
    void OnRecalculate();
    void OnAutoAdjustClicked();
    void OnTimeFieldLeft(TimeField field);
    bool PointerOverCancel() const;
    void OnMoneyLeft();
    void OnNotesChanged();
    void ShowNotesLength(size_t length);
    void OnListButton(int type);
    void TakeChosenItems();
    void End(INT_PTR result);
    std::string ItemText(int id) const;
    static ListEditor& Editor();

    CWorkmetrDoc& doc_;
    EditTimeModel model_;
    int focusColumn_ = kColNotes;
    CItemCombos itemLists_;
    CDateEdit startDate_;
    CTimeEdit startTime_;
    CDateEdit stopDate_;
    CTimeEdit stopTime_;
    std::string elapsedText_;  // the duration texts as last read
    std::string pausedText_;
    bool checking_ = false;  // a check or adjustment runs; its messages move the focus
    bool ended_ = false;     // EndDialog was called; focus changes no longer count
};

}  // namespace tw
