#pragma once
// The MDI main frame: menu, MDI client, tool bar and status bar along its edges, the active
// document window, view and document, and command routing and update handlers for all menus
// and bars. Files dropped on it are opened as documents.

#include <windows.h>

#include <string>

#include "framework/command_target.h"
#include "framework/win32/status_bar.h"
#include "framework/win32/tool_bar.h"
#include "framework/win32/window.h"

namespace tw {

class CAppDocument;
class CDocTemplate;
class CMDIChild;
class CPrintPreview;
class CView;

class CMDIFrame : public CWindowImpl, public CommandTarget {
public:
    CMDIFrame();
    ~CMDIFrame() override;

    // Creates the overlapped window with menu (owned by the frame from now on); not shown.
    bool Create(const std::string& title, HMENU menu, HICON icon);

    // Attributes
    HWND MdiClient() const { return client_; }
    CToolBar& ToolBar() { return toolBar_; }
    CStatusBar& StatusBar() { return statusBar_; }
    CMDIChild* ActiveChild() const;
    CView* ActiveView() const;
    CAppDocument* ActiveDocument() const;
    // The targets a command goes through: the active child's chain, or this frame and the app.
    CommandChain Chain();

    // Operations
    // Shows or hides a bar (the tool bar or the status bar) and lays the frame out again.
    void ShowBar(CWindow& bar, bool show);
    // Places the bars at the edges and the MDI client (or the preview) between them.
    void RecalcLayout();
    // Update handlers of the tool bars and the indicator panes, run at idle.
    void UpdateIdleState();
    // The menu of a document type while one of its windows is active; null: the frame's own.
    void ShowDocumentMenu(CDocTemplate* owner);
    // The print preview covers the client area while it is open.
    void BeginPreview(CPrintPreview* preview);
    void EndPreview();
    CPrintPreview* Preview() const { return preview_; }

protected:
    // After the window and its MDI client exist: create the bars here.
    virtual bool OnCreate() { return true; }
    // Closing was asked for; true lets the window go. The default asks to save the modified
    // documents (false on Cancel) and closes them all.
    virtual bool OnClose();
    // The window is being destroyed (the bars still exist).
    virtual void OnDestroy() {}
    // A system menu command of the program's own (below the platform's range); true = handled.
    virtual bool OnSystemCommand(UINT id) { return false; }
    // A timer of the frame's window went off.
    virtual void OnTimer(UINT_PTR id) {}

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool CreateClient();
    LRESULT OnCommandMessage(WPARAM wp, LPARAM lp);
    void OnInitMenuPopup(HMENU menu, bool systemMenu);
    void OnDropFiles(HDROP drop);
    // The first line of a menu command's string-table text in the status bar while the item
    // is highlighted; "Ready" when the menu closes.
    void ShowCommandPrompt(UINT id, UINT flags, HMENU menu);
    bool OnCopyData(const COPYDATASTRUCT* data);

    HWND client_ = nullptr;
    HMENU frameMenu_ = nullptr;
    CToolBar toolBar_;
    CStatusBar statusBar_;
    CPrintPreview* preview_ = nullptr;
};

// The window menu of a menu bar: the popup named "&Window", else the last but one popup.
HMENU FindWindowMenu(HMENU menuBar);

// The window class of every main frame.
inline constexpr const char* kMainFrameClass = "TwMdiFrame";

// The message a second instance sends with a path to open (COPYDATASTRUCT.dwData).
inline constexpr ULONG_PTR kOpenRequestData = 0x54574F50;

}  // namespace tw
