#pragma once
// Drives the modal dialogs a test opens, with no person at the keyboard (a test may keep one
// driver per caption, for a dialog opened from another's script). Each dialog of this thread
// whose caption matches is handed, when it first shows, to the next script of the queue; the
// script runs inside the dialog's own modal loop (from a message posted to a window of the
// driver), fills the controls and ends the dialog with a button. A dialog the
// script leaves open, and a dialog without a script, is cancelled and recorded as a problem,
// so no test can hang in a modal loop.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tw::test {

class DialogDriver {
public:
    using Script = std::function<void(HWND dialog)>;

    explicit DialogDriver(std::string caption);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues the script of the next dialog.
    void Then(Script script) { scripts_.push_back(std::move(script)); }
    // Dialogs seen so far, and what went wrong with them.
    int Opened() const { return opened_; }
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    static LRESULT CALLBACK ShowHook(int code, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK DriverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool Matches(HWND window) const;
    void OnShown(HWND dialog);
    void Run(HWND dialog);
    void CheckEnded(HWND dialog);

    std::string caption_;
    HWND window_ = nullptr;  // message-only window that receives the driver's messages
    std::deque<Script> scripts_;
    std::vector<HWND> seen_;
    int opened_ = 0;
    std::vector<std::string> problems_;
};

// Helpers for scripts: what a user does to the controls of a dialog.
void SetItemText(HWND dialog, int id, const std::string& text);
std::string ItemText(HWND dialog, int id);
// A button pressed with the mouse (BM_CLICK): it takes the focus, then acts.
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
// The date of a date edit (year, month, day) and the time of a time edit, through the messages
// of tarn32's controls.
void SetDate(HWND dialog, int id, int year, int month, int day);
void SetTime(HWND dialog, int id, int hour, int minute, int second = 0);
int DateYear(HWND dialog, int id);
void TimeOf(HWND dialog, int id, int& hour, int& minute);

}  // namespace tw::test
