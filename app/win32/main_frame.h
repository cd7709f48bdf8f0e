#pragma once
// CMainFrame: the program's main window. Tool bar and status bar with their remembered
// visibility, compacting every document window to an icon (and the main window around them),
// the auto-save timer, the documents' popups in its system menu, the icons by the active
// document's clock, and the settings it writes when it closes.

#include <windows.h>

#include "framework/win32/mdi_frame.h"

namespace tw {

class CTallywickApp;

class CMainFrame : public CMDIFrame {
public:
    CMainFrame();

    bool IsCompacted() const { return compacted_; }
    void CompactAll();
    void RestoreAll();

protected:
    bool OnCreate() override;
    bool OnClose() override;
    void OnDestroy() override;
    bool OnSystemCommand(UINT id) override;
    void OnTimer(UINT_PTR id) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void RegisterFrameCommands();
    void WritePlacement();
    void RefreshCaptions();
    bool UpdateDocumentPopup(HMENU popup);
    void SetIconByState();

    bool compacted_ = false;
    bool rectSaved_ = false;
    RECT savedRect_{};
    bool toolBarBefore_ = true;
    bool statusBarBefore_ = true;
    bool saving_ = false;
};

}  // namespace tw
