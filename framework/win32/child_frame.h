#pragma once
// The MDI child frame: one document window holding one view, optionally with a tool bar of
// its own, routing commands view, document, this frame, the main frame, the application.

#include <windows.h>

#include <memory>
#include <string>

#include "framework/command_target.h"
#include "framework/win32/tool_bar.h"
#include "framework/win32/window.h"

namespace tw {

class CAppDocument;
class CDocTemplate;
class CMDIFrame;
class CView;

class CMDIChild : public CWindowImpl, public CommandTarget {
public:
    CMDIChild();
    ~CMDIChild() override;

    // Creates the window in main's MDI client, with view showing doc. Once created, the frame
    // deletes itself (and its view) when its window is destroyed; on failure the caller
    // deletes it.
    bool Create(CMDIFrame& main, CDocTemplate& owner, CAppDocument& doc,
                std::unique_ptr<CView> view);

    // Attributes
    CView* View() const { return view_.get(); }
    CAppDocument* Document() const { return document_; }
    CMDIFrame* MainFrame() const { return main_; }
    CToolBar& ToolBar() { return toolBar_; }
    bool IsMaximized() const;
    // The targets a command of this frame goes through, in order.
    CommandChain Chain();

    // Operations
    // Shows the document's title in the caption.
    void UpdateTitle();
    // Places the tool bar and gives the view the rest of the client area.
    void RecalcLayout();
    // The layout again after a print preview (restores a minimised window first).
    void RelayoutAfterPreview();

protected:
    // After the window and its view exist: create the frame's own bars here.
    virtual bool OnCreate() { return true; }
    // A system menu command of the program's own (below the platform's range); true = handled.
    virtual bool OnSystemCommand(UINT id) { return RouteCommand(Chain(), id); }
    // The frame became the active document window or stopped being it.
    virtual void OnActivate(bool active);
    // The system menu is about to open.
    virtual void OnInitSystemMenu(HMENU menu) {}

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override {
        if (created_) delete this;
    }

private:
    void OnClose();
    LRESULT OnCommandMessage(WPARAM wp, LPARAM lp);

    CMDIFrame* main_ = nullptr;
    CDocTemplate* template_ = nullptr;
    CAppDocument* document_ = nullptr;
    std::unique_ptr<CView> view_;
    CToolBar toolBar_;
    bool created_ = false;
};

}  // namespace tw
