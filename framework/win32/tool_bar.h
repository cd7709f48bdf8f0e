#pragma once
// A tool bar along the top of a frame: one button per command id (0 is a separator), images
// from one bitmap strip, tool tips from the second line of each command's string-table text.

#include <windows.h>

#include <vector>

#include "framework/win32/window.h"

namespace tw {

// Whether window has the visible style, whatever its parents show.
inline bool HasVisibleStyle(HWND window) {
    return window != nullptr && (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

struct ToolBarLayout {
    std::vector<UINT> commands;  // in order; 0 puts a separator
    HBITMAP images = nullptr;    // strip of images, one per non-separator entry in order
    SIZE imageSize{16, 15};
    SIZE buttonSize{23, 22};
};

class CToolBar : public CWindow {
public:
    // Creates the bar as child id of parent; the bar takes ownership of layout.images.
    bool Create(HWND parent, UINT id, const ToolBarLayout& layout);
    ~CToolBar();

    // Attributes
    int Height() const;
    // Whether the bar itself is shown (even while its frame is hidden).
    bool IsVisible() const { return HasVisibleStyle(hwnd_); }
    bool IsChecked(UINT command) const;
    bool IsEnabled(UINT command) const;

    // Operations
    // Makes the buttons of these commands keep their pressed state (check-box buttons).
    void SetCheckButtons(const std::vector<UINT>& commands);
    // Shows image index (into the strip) on the button of command.
    void SetButtonImage(UINT command, int image);
    // Moves the bar to the top of its parent's client area with the parent's width.
    void Layout(int width);

private:
    HBITMAP images_ = nullptr;
};

// True when a WM_COMMAND with this lParam is a command (menu, accelerator or the tool bar
// bar) rather than a notification from some other control.
inline bool IsCommandSource(LPARAM lp, HWND bar) {
    return lp == 0 || reinterpret_cast<HWND>(lp) == bar;
}

// The tool tip of a command: the second line of its string-table text (after '\n').
std::string ToolTipText(UINT command);

// Answers a tool tip's request for its text (TTN_GETDISPINFOA); true when it was one.
bool AnswerToolTipRequest(LPARAM lp);

}  // namespace tw
