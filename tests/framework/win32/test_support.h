#pragma once
// What the framework tests share: a prompter that answers from a script and keeps the texts it
// was shown, an isolated settings key, and a small MDI program (document, child frame, view)
// whose handlers note in a log what ran.

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/prompt.h"
#include "framework/win32/app.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/view.h"

namespace tw::test {

// Answers the questions with the queued answers (Cancel when the queue is empty).
class ScriptedPrompter : public IPrompter {
public:
    PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon icon) override;
    void Queue(PromptAnswer answer) { answers_.push_back(answer); }
    const std::vector<std::string>& Shown() const { return shown_; }

private:
    std::deque<PromptAnswer> answers_;
    std::vector<std::string> shown_;
};

// A registry key below HKCU\Software of its own, removed at the start and the end.
std::string IsolatedKeyPath(const std::string& name);

// The log every test handler writes to.
std::vector<std::string>& HandlerLog();

// A document holding one text, stored as one archive string.
class TextDocument : public CAppDocument {
public:
    TextDocument();
    void Serialize(CArchive& ar) override;
    void DeleteContents() override { text = std::string(); }
    bool SkipSaveQuestion() const override { return skipQuestion; }
    std::optional<std::string> AskSavePath() override { return savePath; }

    std::string text;
    bool skipQuestion = false;
    std::optional<std::string> savePath;  // what "Save As" is answered
};

class LoggingChild : public CMDIChild {
public:
    LoggingChild();

protected:
    bool OnCreate() override;
};

class LoggingView : public CView {
public:
    LoggingView();
    void OnInitialUpdate() override { ++initialUpdates; }
    int initialUpdates = 0;
};

class LoggingMainFrame : public CMDIFrame {
public:
    LoggingMainFrame();

protected:
    bool OnCreate() override;
};

// An application with the template above and a created (hidden) main frame.
class TestApp : public CApp {
public:
    // makeView: the view class of the template (a LoggingView when none is given).
    explicit TestApp(const std::string& keyPath, CDocTemplate::ViewFactory makeView = nullptr);
    CDocTemplate& Template() { return *DocTemplate(); }
};

// Runs the steps one after the other from a timer of window, one each 20 ms, so each sees
// what the previous one made happen (a modal dialog's message loop drives them).
void RunSteps(HWND window, std::vector<std::function<void()>> steps);

// A temporary file path in the Wine prefix's temp folder.
std::string TempPath(const std::string& name);

}  // namespace tw::test
