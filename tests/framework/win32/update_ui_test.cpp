// Update handlers set the enabled, checked and text state of menu items before a menu opens
// and of tool bar buttons (check-box buttons too) at idle.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/command_ids.h"
#include "framework/win32/update_ui.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

std::string ItemText(HMENU menu, UINT id) {
    char text[64] = "";
    ::GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

bool Grayed(HMENU menu, UINT id) {
    return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}
bool Checked(HMENU menu, UINT id) {
    return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST(UpdateHandlers, MenuItemsBeforeTheMenuOpens) {
    TestApp app(IsolatedKeyPath("update-menu"));
    CAppDocument* doc = app.NewDocument();
    ASSERT_NE(doc, nullptr);
    CMDIFrame& main = *app.MainFrame();
    bool viewEnabled = false;
    main.ActiveView()->OnUpdateCommand(ID_TEST_VIEW_CMD,
                                       [&](CommandState& s) { s.Enable(viewEnabled); });
    doc->OnUpdateCommand(ID_TEST_CHECK_CMD, [](CommandState& s) {
        s.SetCheck();
        s.SetText("Checked &Item");
    });
    HMENU testMenu = ::GetSubMenu(::GetMenu(main.Handle()), 1);  // the document's "&Test" menu
    ASSERT_NE(testMenu, nullptr);

    ::SendMessageA(main.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(testMenu),
                   MAKELPARAM(1, FALSE));
    EXPECT_TRUE(Grayed(testMenu, ID_TEST_VIEW_CMD));
    EXPECT_FALSE(Grayed(testMenu, ID_TEST_DOC_CMD));  // a handler and no update handler
    EXPECT_TRUE(Grayed(testMenu, 40099));             // nobody handles it
    EXPECT_TRUE(Checked(testMenu, ID_TEST_CHECK_CMD));
    EXPECT_EQ(ItemText(testMenu, ID_TEST_CHECK_CMD), "Checked &Item");
    EXPECT_FALSE(Checked(testMenu, ID_TEST_DOC_CMD));

    // The window list the MDI client keeps in the Window menu is the system's business.
    HMENU windowMenu = ::GetSubMenu(::GetMenu(main.Handle()), 2);
    ::SendMessageA(main.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windowMenu),
                   MAKELPARAM(2, FALSE));
    EXPECT_FALSE(Grayed(windowMenu, kFirstMdiChildId));
    EXPECT_TRUE(Checked(windowMenu, kFirstMdiChildId));  // the active document's window

    viewEnabled = true;
    ::SendMessageA(main.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(testMenu),
                   MAKELPARAM(1, FALSE));
    EXPECT_FALSE(Grayed(testMenu, ID_TEST_VIEW_CMD));

    // The View menu's bar items follow the bars.
    HMENU bars = ::CreatePopupMenu();
    ::AppendMenuA(bars, MF_STRING, kCmdViewToolBar, "&Toolbar");
    ::AppendMenuA(bars, MF_STRING, kCmdViewStatusBar, "&Status Bar");
    main.ShowBar(main.ToolBar(), false);
    UpdateMenuItems(bars, main.Chain());
    EXPECT_FALSE(Checked(bars, kCmdViewToolBar));
    EXPECT_TRUE(Checked(bars, kCmdViewStatusBar));
    ::SendMessageA(main.Handle(), WM_COMMAND, kCmdViewToolBar, 0);
    UpdateMenuItems(bars, main.Chain());
    EXPECT_TRUE(Checked(bars, kCmdViewToolBar));
    ::DestroyMenu(bars);
}

TEST(UpdateHandlers, ToolBarButtonsAtIdle) {
    TestApp app(IsolatedKeyPath("update-bar"));
    CAppDocument* doc = app.NewDocument();
    ASSERT_NE(doc, nullptr);
    CMDIFrame& main = *app.MainFrame();
    CToolBar& childBar = main.ActiveChild()->ToolBar();
    CheckState pressed = CheckState::Checked;
    bool mainEnabled = false;
    doc->OnUpdateCommand(ID_TEST_CHECK_CMD, [&](CommandState& s) { s.SetCheck(pressed); });
    main.OnUpdateCommand(ID_TEST_MAIN_CMD, [&](CommandState& s) { s.Enable(mainEnabled); });

    app.PumpPending();
    EXPECT_TRUE(childBar.IsChecked(ID_TEST_CHECK_CMD));
    EXPECT_TRUE(main.ToolBar().IsChecked(ID_TEST_CHECK_CMD));
    EXPECT_FALSE(main.ToolBar().IsEnabled(ID_TEST_MAIN_CMD));
    EXPECT_TRUE(childBar.IsEnabled(ID_TEST_VIEW_CMD));

    pressed = CheckState::Indeterminate;
    app.PumpPending();
    EXPECT_FALSE(childBar.IsChecked(ID_TEST_CHECK_CMD));
    EXPECT_NE(childBar.Send(TB_ISBUTTONINDETERMINATE, ID_TEST_CHECK_CMD), 0);

    pressed = CheckState::Unchecked;
    mainEnabled = true;
    app.PumpPending();
    EXPECT_FALSE(childBar.IsChecked(ID_TEST_CHECK_CMD));
    EXPECT_EQ(childBar.Send(TB_ISBUTTONINDETERMINATE, ID_TEST_CHECK_CMD), 0);
    EXPECT_TRUE(main.ToolBar().IsEnabled(ID_TEST_MAIN_CMD));

    // Check-box buttons keep their pressed state when clicked.
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE;
    childBar.Send(TB_GETBUTTONINFOA, ID_TEST_CHECK_CMD, reinterpret_cast<LPARAM>(&info));
    EXPECT_NE(info.fsStyle & BTNS_CHECK, 0);
    childBar.Send(TB_GETBUTTONINFOA, ID_TEST_VIEW_CMD, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.fsStyle & BTNS_CHECK, 0);
}

// Sets the toggled state of the three lock keys as the thread sees them.
void SetLockKeys(bool caps, bool num, bool scroll) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CAPITAL] = caps ? 1 : 0;
    keys[VK_NUMLOCK] = num ? 1 : 0;
    keys[VK_SCROLL] = scroll ? 1 : 0;
    ::SetKeyboardState(keys);
}

TEST(UpdateHandlers, IndicatorPanesFollowTheLockKeysAtIdle) {
    TestApp app(IsolatedKeyPath("update-indicators"));
    CStatusBar& bar = app.MainFrame()->StatusBar();
    const struct {
        bool caps, num, scroll;
        const char *capsText, *numText, *scrollText;
    } cases[] = {
        {true, false, true, "CAP", "", "SCRL"},
        {false, true, false, "", "NUM", ""},
        {false, false, false, "", "", ""},
    };
    for (const auto& c : cases) {
        SetLockKeys(c.caps, c.num, c.scroll);
        app.PumpPending();
        EXPECT_EQ(bar.PaneText(1), c.capsText);
        EXPECT_EQ(bar.PaneText(2), c.numText);
        EXPECT_EQ(bar.PaneText(3), c.scrollText);
    }
    EXPECT_EQ(bar.PaneText(0), "Ready");

    // While a menu item is highlighted the message pane shows its prompt.
    HMENU menu = ::GetMenu(app.MainWindow());
    ::SendMessageA(app.MainWindow(), WM_MENUSELECT, MAKEWPARAM(ID_TEST_VIEW_CMD, MF_STRING),
                   reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(bar.PaneText(0), "View command");
    ::SendMessageA(app.MainWindow(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(bar.PaneText(0), "Ready");
}

TEST(UpdateHandlers, ToolTipsAreTheSecondLineOfTheCommandText) {
    TestApp app(IsolatedKeyPath("update-tips"));
    ASSERT_NE(app.NewDocument(), nullptr);
    CMDIChild& child = *app.MainFrame()->ActiveChild();
    NMTTDISPINFOA ansi{};
    ansi.hdr.code = TTN_GETDISPINFOA;
    ansi.hdr.idFrom = ID_TEST_VIEW_CMD;
    EXPECT_EQ(::SendMessageA(child.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ansi)), 0);
    EXPECT_STREQ(ansi.lpszText, "View tip");
    NMTTDISPINFOW wide{};
    wide.hdr.code = TTN_GETDISPINFOW;
    wide.hdr.idFrom = ID_TEST_VIEW_CMD;
    ::SendMessageA(app.MainWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    EXPECT_STREQ(wide.lpszText, L"View tip");
    ansi.hdr.idFrom = ID_TEST_DOC_CMD;  // a command without a text has no tip
    ::SendMessageA(child.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ansi));
    EXPECT_STREQ(ansi.lpszText, "");
}

}  // namespace
}  // namespace tw::test
