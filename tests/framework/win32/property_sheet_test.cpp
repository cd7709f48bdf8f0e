// Property sheets: OK takes every visited page's values, Cancel leaves them, a refused value
// keeps the sheet open, and there is no Apply button.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/win32/property_sheet.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

const int kApplyButton = 0x3021;

class NumberPage : public CPropertyPage {
public:
    NumberPage() : CPropertyPage(IDD_PAGE_NUMBER, "Number") {}
    int number = 10;
    bool flag = false;
    int oks = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Text(IDC_NUMBER, number);
        dx.IntRange(IDC_NUMBER, number, 5, 100);
        dx.Check(IDC_FLAG, flag);
    }
    void OnOK() override { ++oks; }
};

class NamePage : public CPropertyPage {
public:
    NamePage() : CPropertyPage(IDD_PAGE_NAME) {}
    std::string name = "first";

protected:
    void DoDataExchange(CDataExchange& dx) override { dx.Text(IDC_NAME, name); }
};

// A sheet that plays its steps once it is open.
class ScriptedSheet : public CPropertySheet {
public:
    ScriptedSheet() : CPropertySheet("Preferences") {
        AddPage(numbers);
        AddPage(names);
    }
    NumberPage numbers;
    NamePage names;
    std::vector<std::function<void(ScriptedSheet&)>> steps;
    bool hadApply = true;

    void Type(CPropertyPage& page, int id, const char* text) {
        ::SetDlgItemTextA(page.Handle(), id, text);
    }
    void Press(int button) { ::SendMessageA(Handle(), PSM_PRESSBUTTON, button, 0); }

protected:
    void OnInitialized() override {
        HWND apply = ::GetDlgItem(Handle(), kApplyButton);
        hadApply = apply != nullptr && ::IsWindowVisible(apply);
        std::vector<std::function<void()>> run;
        for (auto& step : steps) run.push_back([this, step] { step(*this); });
        RunSteps(Handle(), run);
    }
};

TEST(PropertySheets, OkStoresVisitedPagesAndCancelDiscards) {
    ScriptedSheet ok;
    ok.steps = {
        [](ScriptedSheet& s) { s.Type(s.numbers, IDC_NUMBER, "50"); },
        [](ScriptedSheet& s) { ::SendMessageA(s.Handle(), PSM_SETCURSEL, 1, 0); },
        [](ScriptedSheet& s) { s.Type(s.names, IDC_NAME, "second"); },
        [](ScriptedSheet& s) { s.Press(PSBTN_OK); },
    };
    EXPECT_EQ(ok.DoModal(), IDOK);
    EXPECT_FALSE(ok.hadApply);
    EXPECT_EQ(ok.numbers.number, 50);
    EXPECT_EQ(ok.names.name, "second");
    EXPECT_EQ(ok.numbers.oks, 1);

    ScriptedSheet cancel;
    cancel.steps = {
        [](ScriptedSheet& s) { s.Type(s.numbers, IDC_NUMBER, "77"); },
        [](ScriptedSheet& s) { s.Press(PSBTN_CANCEL); },
    };
    EXPECT_EQ(cancel.DoModal(), IDCANCEL);
    EXPECT_EQ(cancel.numbers.number, 10);
    EXPECT_EQ(cancel.numbers.oks, 0);
}

TEST(PropertySheets, RefusedValueKeepsTheSheetOnItsPage) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    ScriptedSheet sheet;
    int pageAfterRefusal = -1;
    sheet.steps = {
        [](ScriptedSheet& s) { s.Type(s.numbers, IDC_NUMBER, "3"); },
        [](ScriptedSheet& s) { s.Press(PSBTN_OK); },
        [&](ScriptedSheet& s) {
            HWND tabs = reinterpret_cast<HWND>(::SendMessageA(s.Handle(), PSM_GETTABCONTROL, 0, 0));
            pageAfterRefusal = static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
        },
        [](ScriptedSheet& s) { ::SendMessageA(s.Handle(), PSM_SETCURSEL, 1, 0); },
        [](ScriptedSheet& s) { s.Press(PSBTN_CANCEL); },
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(pageAfterRefusal, 0);
    ASSERT_GE(prompter.Shown().size(), 1u);
    EXPECT_EQ(prompter.Shown()[0], "Please enter an integer between 5 and 100.");
    EXPECT_EQ(sheet.numbers.oks, 0);
}

}  // namespace
}  // namespace tw::test
