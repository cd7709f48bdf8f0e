#pragma once
// CChildFrame: the window of one document. Its own tool bar of clock and table commands, the
// Start and Pause items of its system menu, the clock commands' states, compacting itself to the
// strip with the running time, and the caption refreshes of its view.

#include <windows.h>

#include <string>

#include "framework/win32/child_frame.h"
#include "view/win32/view_host.h"

namespace tw {

class CFormDlg;

class CChildFrame : public CMDIChild, public IViewFrame {
public:
    CChildFrame();

    CFormDlg* Form() const;

    // IViewFrame
    bool IsCompacted() const override { return compacted_; }
    void ToggleCompact(const RECT& area) override;
    void SetClockMenuTexts(const std::string& start, const std::string& pause) override;
    void SetStartButtonImage(int image) override;
    bool RectBeforeCompact(RECT& rect) const override;

protected:
    bool OnCreate() override;
    bool OnSystemCommand(UINT id) override;
    void OnInitSystemMenu(HMENU menu) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void RegisterClockCommands();
    void Compact(const RECT& area);
    void Restore();
    void RefreshCaptions();
    void SetIconByState();
    bool IsStopped() const;
    bool IsPausedNow() const;
    int SelectedRows() const;

    bool compacted_ = false;
    RECT savedRect_{};  // in MDI-client coordinates
    SIZE compactSize_{0, 0};
};

}  // namespace tw
