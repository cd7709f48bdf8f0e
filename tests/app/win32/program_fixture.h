#pragma once
// The program in the test's process: an isolated settings key, a scripted prompter that
// answers (and remembers) every message box, a test clock, and helpers to reach the windows
// the way a user's tools do (the main frame, its MDI client, the document windows, the grid).

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/tallywick_app.h"
#include "framework/prompt.h"
#include "framework/settings.h"
#include "tests/support/platform_doubles.h"
#include "view/grid_interface.h"

namespace tw::test {

constexpr CalTime kMonday9am = 1793610000;  // 2026-11-02 09:00:00 UTC

class ScriptedPrompter : public IPrompter {
public:
    PromptAnswer Ask(const std::string& text, PromptButtons, PromptIcon) override {
        shown.push_back(text);
        if (answers.empty()) return PromptAnswer::Cancel;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<PromptAnswer> answers;
    std::vector<std::string> shown;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest();
    ~ProgramTest() override;

    // Writes settings before the start.
    ISettingsStore& Settings();
    // Starts the program with the command line `args` (empty: none).
    bool Start(const std::vector<std::string>& args = {});
    // Closes the main window the way the user does and ends the application.
    void Close();

    CTallywickApp& App() { return *app_; }
    HWND Main() const;
    HWND MdiClient() const;
    std::vector<HWND> DocumentWindows() const;
    // The grid (class DataTbl32, control 197) of a document window; the active one by default.
    HWND Grid(HWND child = nullptr) const;
    std::string StaticText(int id, HWND child = nullptr) const;
    // A menu command sent to the main frame as WM_COMMAND.
    void Command(unsigned id);
    // One cell of the grid as text (text columns) through the grid's messages.
    std::string CellText(int row, int column, HWND child = nullptr) const;
    long RowCount(HWND child = nullptr) const;

    // A copy of samples/consulting.tw in the temp folder, named `name`.
    std::string SampleCopy(const std::string& name) const;
    std::string TempPath(const std::string& name) const;

    std::string key_;
    std::string gridLibrary_ = "dtbl32.dll";
    ScriptedPrompter prompter_;
    TestClock clock_{kMonday9am};

private:
    std::unique_ptr<CTallywickApp> app_;
    std::unique_ptr<ScopedPrompter> scopedPrompter_;
    std::unique_ptr<ISettingsStore> settings_;
};

}  // namespace tw::test
