#pragma once
// The status bar at the bottom of a frame: a message pane, then one pane per indicator (caps,
// num and scroll lock), each showing its text while its key is on.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/win32/tool_bar.h"
#include "framework/win32/window.h"

namespace tw {

class CStatusBar : public CWindow {
public:
    // Creates the bar as child id of parent with the indicator panes in order.
    bool Create(HWND parent, UINT id, const std::vector<UINT>& indicators);

    // Attributes
    int Height() const;
    bool IsVisible() const { return HasVisibleStyle(hwnd_); }
    std::string PaneText(int pane) const;

    // Operations
    void SetMessage(const std::string& text) const;
    // Reads the lock keys and shows or blanks each indicator pane.
    void UpdateIndicators() const;
    // Places the bar at the bottom of a client area width x height and sizes the panes.
    void Layout(int width, int height) const;

private:
    std::vector<UINT> indicators_;
};

// The text of an indicator pane, shown while its key is on: "CAP", "NUM", "SCRL".
std::string IndicatorText(UINT indicator);
// Whether the key of an indicator is on now.
bool IndicatorIsOn(UINT indicator);

}  // namespace tw
