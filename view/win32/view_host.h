#pragma once
// What the time table view needs from the program around it, as two small interfaces: the
// application and main window (IViewHost) and the document window that holds the view
// (IViewFrame). The program implements them; the view does without when they are missing.

#include <windows.h>

#include <string>

#include "doc/time_adjust.h"
#include "view/record_copies.h"
#include "view/clock_texts.h"

namespace tw {

class CFormDlg;

class IViewHost {
public:
    virtual ~IViewHost() = default;
    // The main window (for its caption, icon and system menu); may be null.
    virtual HWND MainWindow() const = 0;
    // The program's name for captions.
    virtual std::string AppName() const = 0;
    // Pictures of a clock state held by the application (null when not loaded).
    virtual HBITMAP StatusPicture(ClockState state) const = 0;
    virtual HBITMAP CheckMarkPicture(ClockState state) const = 0;
    virtual HICON StateIcon(ClockState state) const = 0;
    virtual HICON MainIcon() const = 0;
    virtual HICON DocumentIcon() const = 0;
    // The font of the totals values (shared by the views; null: the form's own).
    virtual HFONT TotalsFont() const = 0;
    // The bold row font of the running record's row.
    virtual LOGFONTA BoldRowFont() const = 0;
    // The grid's pictures of date and time cells (the locale's short date and time of day).
    virtual std::string DatePicture() const = 0;
    virtual std::string TimePicture() const = 0;
    // A block of 16 system-menu ids for the view's popup, or 0 when none is free; released
    // when the view goes away.
    virtual unsigned AcquireMenuBlock(CFormDlg& view) = 0;
    virtual void ReleaseMenuBlock(CFormDlg& view) = 0;
    // True once per run: the first view sizes the main window around its document window.
    virtual bool TakeFirstViewSizing() = 0;
    // The Edit Time dialog's remembered target and Auto Adjust; after its OK the dialog's
    // choices are remembered (and written to the settings when they changed).
    virtual RecalcTarget EditTimeTarget() const = 0;
    virtual bool EditTimeAutoAdjust() const = 0;
    virtual void RememberEditTimeChoices(RecalcTarget target, bool autoAdjust) = 0;
    // The records of the last Copy, shared by every view (null: no clipboard of records).
    virtual RecordCopies* CopiedRecords() { return nullptr; }
    // Whether Delete asks before it deletes the selected rows.
    virtual bool ConfirmsDelete() const { return true; }
};

// The document window of the view.
class IViewFrame {
public:
    virtual ~IViewFrame() = default;
    virtual bool IsCompacted() const = 0;
    // Compacts the window around `area` (screen coordinates) or restores it.
    virtual void ToggleCompact(const RECT& area) = 0;
    // The Start and Pause texts of the window's own system menu.
    virtual void SetClockMenuTexts(const std::string& start, const std::string& pause) = 0;
    // The picture of the start/stop tool bar button (1 or 12).
    virtual void SetStartButtonImage(int image) = 0;
    // The window's rectangle before it was compacted, in MDI-client coordinates; false when it
    // is not compacted.
    virtual bool RectBeforeCompact(RECT& rect) const = 0;
};

// The program's host; null until the program sets it.
IViewHost* ViewHost();
void SetViewHost(IViewHost* host);

}  // namespace tw
