#include "test_support.h"

#include <cstdio>

#include "framework/archive.h"
#include "framework/command_ids.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/settings_store.h"
#include "test_resources.h"

namespace tw::test {

PromptAnswer ScriptedPrompter::Ask(const std::string& text, PromptButtons, PromptIcon) {
    shown_.push_back(text);
    if (answers_.empty()) return PromptAnswer::Cancel;
    PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::string IsolatedKeyPath(const std::string& name) {
    std::string path = "TallywickTests\\" + name;
    RegistrySettingsStore(path).DeleteAll();
    return path;
}

std::vector<std::string>& HandlerLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {

void LogTo(CommandTarget& target, unsigned id, const std::string& who) {
    target.OnCommand(id, [who] { HandlerLog().push_back(who); });
}

}  // namespace

TextDocument::TextDocument() {
    LogTo(*this, ID_TEST_DOC_CMD, "doc");
    LogTo(*this, ID_TEST_SHARED_CMD, "doc");
}

void TextDocument::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(text);
    } else {
        text = ar.ReadString();
    }
}

LoggingChild::LoggingChild() {
    LogTo(*this, ID_TEST_CHILD_CMD, "child");
    LogTo(*this, ID_TEST_SHARED_CMD, "child");
}

bool LoggingChild::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {ID_TEST_VIEW_CMD, 0, ID_TEST_CHECK_CMD, ID_TEST_DOC_CMD};
    if (!ToolBar().Create(Handle(), 1, layout)) return false;
    ToolBar().SetCheckButtons({ID_TEST_CHECK_CMD});
    RecalcLayout();
    return true;
}

LoggingView::LoggingView() { LogTo(*this, ID_TEST_VIEW_CMD, "view"); }

LoggingMainFrame::LoggingMainFrame() {
    LogTo(*this, ID_TEST_MAIN_CMD, "main");
    LogTo(*this, ID_TEST_SHARED_CMD, "main");
    LogTo(*this, ID_TEST_CHILD_CMD, "main");
}

bool LoggingMainFrame::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {kCmdFileNew, 0, ID_TEST_MAIN_CMD, ID_TEST_CHECK_CMD};
    return ToolBar().Create(Handle(), kToolBarId, layout) &&
           StatusBar().Create(Handle(), kStatusBarId,
                              {kIndicatorCaps, kIndicatorNum, kIndicatorScroll});
}

TestApp::TestApp(const std::string& keyPath, CDocTemplate::ViewFactory makeView) : CApp(keyPath) {
    HandlerLog().clear();
    LogTo(*this, ID_TEST_APP_CMD, "app");
    LogTo(*this, ID_TEST_SHARED_CMD, "app");
    if (!makeView) makeView = [] { return std::make_unique<LoggingView>(); };
    AddDocTemplate(std::make_unique<CDocTemplate>(
        IDR_TESTDOC, [] { return std::make_unique<TextDocument>(); },
        [] { return std::make_unique<LoggingChild>(); }, makeView));
    auto frame = std::make_unique<LoggingMainFrame>();
    HMENU menu = ::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(IDR_TESTFRAME));
    frame->Create("Framework test", menu, nullptr);
    ::SetWindowPos(frame->Handle(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    frame->Show(SW_SHOW);
    SetMainFrame(std::move(frame));
    LoadRecentFiles();
}

namespace {

std::deque<std::function<void()>>& PendingSteps() {
    static std::deque<std::function<void()>> steps;
    return steps;
}

const UINT_PTR kStepTimer = 0x5445;

void CALLBACK RunNextStep(HWND window, UINT, UINT_PTR, DWORD) {
    if (PendingSteps().empty()) {
        ::KillTimer(window, kStepTimer);
        return;
    }
    std::function<void()> step = std::move(PendingSteps().front());
    PendingSteps().pop_front();
    step();
}

}  // namespace

void RunSteps(HWND window, std::vector<std::function<void()>> steps) {
    PendingSteps().assign(steps.begin(), steps.end());
    ::SetTimer(window, kStepTimer, 20, &RunNextStep);
}

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

}  // namespace tw::test
