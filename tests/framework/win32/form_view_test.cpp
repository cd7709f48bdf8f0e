// A form view made from a dialog template scrolls when it is larger than its window and hands
// its controls' commands and data exchange to the view.
#include <gtest/gtest.h>

#include "framework/win32/form_view.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

class BigForm : public CFormView {
public:
    BigForm() : CFormView(IDD_BIG_FORM) {}
    std::string name = "form text";
    std::vector<std::pair<UINT, UINT>> commands;

    void OnInitialUpdate() override { UpdateData(false); }
    void DoDataExchange(CDataExchange& dx) override { dx.Text(IDC_NAME, name); }
    bool OnControlCommand(UINT id, UINT code, HWND) override {
        commands.emplace_back(id, code);
        return true;
    }
};

POINT FormOrigin(const CFormView& view) {
    RECT rc;
    ::GetWindowRect(view.Form(), &rc);
    POINT origin{rc.left, rc.top};
    ::ScreenToClient(view.Handle(), &origin);
    return origin;
}

TEST(FormView, ScrollsALargeFormAndExchangesData) {
    TestApp app(IsolatedKeyPath("form"), [] { return std::make_unique<BigForm>(); });
    ASSERT_NE(app.NewDocument(), nullptr);
    auto* form = static_cast<BigForm*>(app.MainFrame()->ActiveView());
    ASSERT_NE(form->Form(), nullptr);
    EXPECT_NE(::GetWindowLongA(form->Form(), GWL_STYLE) & WS_CHILD, 0);

    char text[64] = "";
    ::GetWindowTextA(form->Item(IDC_NAME), text, sizeof text);
    EXPECT_STREQ(text, "form text");

    RECT client = form->ClientRect();
    SIZE size = form->FormSize();
    ASSERT_GT(size.cx, client.right);
    ASSERT_GT(size.cy, client.bottom);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(form->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nMax, size.cy - 1);
    EXPECT_EQ(static_cast<LONG>(info.nPage), client.bottom);

    form->ScrollTo(POINT{50, 60});
    EXPECT_EQ(FormOrigin(*form).x, -50);
    EXPECT_EQ(FormOrigin(*form).y, -60);
    form->ScrollTo(POINT{100000, 100000});
    EXPECT_EQ(form->ScrollPosition().x, size.cx - client.right);
    EXPECT_EQ(form->ScrollPosition().y, size.cy - client.bottom);
    ::SendMessageA(form->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(form->ScrollPosition().y, 0);
    form->ScrollToOrigin();
    EXPECT_EQ(FormOrigin(*form).x, 0);

    ::SetWindowTextA(form->Item(IDC_NAME), "typed");
    EXPECT_EQ(form->commands.back(), std::make_pair(UINT{IDC_NAME}, UINT{EN_CHANGE}));
    ASSERT_TRUE(form->UpdateData(true));
    EXPECT_EQ(form->name, "typed");
}

}  // namespace
}  // namespace tw::test
