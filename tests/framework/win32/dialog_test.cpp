// Modal dialogs with data exchange and the range and length checks.
#include <gtest/gtest.h>

#include "framework/win32/dialog.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

// The exchange dialog; typed holds what the "user" types before pressing OK.
class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}

    int number = 10;
    std::string name = "start";
    bool flag = true;
    int choice = 2;
    std::string shownNumber, shownName;  // the controls' texts right after opening
    bool shownFlag = false, shownC = false;
    std::string typedNumber, typedName;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        char text[64];
        ::GetDlgItemTextA(Handle(), IDC_NUMBER, text, sizeof text);
        shownNumber = text;
        ::GetDlgItemTextA(Handle(), IDC_NAME, text, sizeof text);
        shownName = text;
        shownFlag = ::IsDlgButtonChecked(Handle(), IDC_FLAG) == BST_CHECKED;
        shownC = ::IsDlgButtonChecked(Handle(), IDC_RADIO_C) == BST_CHECKED;
        ::SetDlgItemTextA(Handle(), IDC_NUMBER, typedNumber.c_str());
        ::SetDlgItemTextA(Handle(), IDC_NAME, typedName.c_str());
        ::CheckDlgButton(Handle(), IDC_FLAG, BST_UNCHECKED);
        ::CheckRadioButton(Handle(), IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_A);
        ::PostMessageA(Handle(), WM_COMMAND, IDOK, 0);
        ::PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);  // reached only when OK was refused
        return true;
    }
    void DoDataExchange(CDataExchange& dx) override {
        dx.Text(IDC_NUMBER, number);
        dx.IntRange(IDC_NUMBER, number, 5, 100);
        dx.Text(IDC_NAME, name);
        dx.MaxChars(IDC_NAME, name, 8);
        dx.Check(IDC_FLAG, flag);
        dx.Radio({IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C}, choice);
    }
};

TEST(Dialog, DataExchangeFillsTheControlsAndTakesValuesOnOk) {
    ScriptedPrompter prompter;
    ScopedPrompter scope(prompter);
    ExchangeDialog dialog;
    dialog.typedNumber = " 42 ";
    dialog.typedName = "abcdefgh";
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.shownNumber, "10");
    EXPECT_EQ(dialog.shownName, "start");
    EXPECT_TRUE(dialog.shownFlag);
    EXPECT_TRUE(dialog.shownC);
    EXPECT_EQ(dialog.number, 42);
    EXPECT_EQ(dialog.name, "abcdefgh");
    EXPECT_FALSE(dialog.flag);
    EXPECT_EQ(dialog.choice, 0);
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST(Dialog, RefusedValuesKeepTheDialogOpenWithTheirMessage) {
    const struct {
        const char* number;
        const char* name;
        const char* message;
    } cases[] = {
        {"4", "ok", "Please enter an integer between 5 and 100."},
        {"101", "ok", "Please enter an integer between 5 and 100."},
        {"12a", "ok", "Please enter an integer."},
        {"50", "abcdefghi", "Please enter no more than 8 characters."},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        ScopedPrompter scope(prompter);
        ExchangeDialog dialog;
        dialog.typedNumber = c.number;
        dialog.typedName = c.name;
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.number << " " << c.name;
        ASSERT_EQ(prompter.Shown().size(), 1u);
        EXPECT_EQ(prompter.Shown()[0], c.message);
        EXPECT_EQ(dialog.flag, true);  // the checks stopped the exchange before the check box
    }
}

}  // namespace
}  // namespace tw::test
