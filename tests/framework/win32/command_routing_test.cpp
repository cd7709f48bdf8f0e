// Commands from menus, accelerators and tool bars go view, document, child frame, main frame,
// application, and stop at the first handler.
#include <gtest/gtest.h>

#include "framework/win32/settings_store.h"
#include "test_resources.h"
#include "test_support.h"

namespace tw::test {
namespace {

using Log = std::vector<std::string>;

Log RunCommand(HWND window, unsigned id, HWND fromControl = nullptr) {
    HandlerLog().clear();
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(fromControl));
    return HandlerLog();
}

TEST(CommandRouting, MenuCommandsGoDownTheChainToTheFirstHandler) {
    TestApp app(IsolatedKeyPath("routing"));
    HWND main = app.MainWindow();

    // Without a document the chain is the main frame and the application.
    EXPECT_EQ(RunCommand(main, ID_TEST_CHILD_CMD), Log{"main"});
    EXPECT_EQ(RunCommand(main, ID_TEST_DOC_CMD), Log{});
    EXPECT_EQ(RunCommand(main, ID_TEST_SHARED_CMD), Log{"main"});

    ASSERT_NE(app.NewDocument(), nullptr);
    const struct {
        unsigned id;
        const char* handler;
    } cases[] = {
        {ID_TEST_VIEW_CMD, "view"}, {ID_TEST_DOC_CMD, "doc"}, {ID_TEST_CHILD_CMD, "child"},
        {ID_TEST_MAIN_CMD, "main"}, {ID_TEST_APP_CMD, "app"}, {ID_TEST_SHARED_CMD, "doc"},
    };
    for (const auto& c : cases) EXPECT_EQ(RunCommand(main, c.id), Log{c.handler}) << c.id;
    EXPECT_EQ(RunCommand(main, 40099), Log{});
}

TEST(CommandRouting, ChildToolBarCommandsAndTheActiveDocumentWindow) {
    TestApp app(IsolatedKeyPath("routing-child"));
    CAppDocument* first = app.NewDocument();
    CAppDocument* second = app.NewDocument();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    CMDIFrame& main = *app.MainFrame();
    ASSERT_EQ(main.ActiveDocument(), second);

    CMDIChild* child = main.ActiveChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->View(), main.ActiveView());
    EXPECT_EQ(RunCommand(child->Handle(), ID_TEST_VIEW_CMD, child->ToolBar().Handle()),
              Log{"view"});
    EXPECT_EQ(RunCommand(child->Handle(), ID_TEST_MAIN_CMD, child->ToolBar().Handle()),
              Log{"main"});

    // Activating the other window moves the chain to the other document.
    CMDIChild* firstFrame = first->Views().front()->Frame();
    ::SendMessageA(main.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(firstFrame->Handle()),
                   0);
    EXPECT_EQ(main.ActiveDocument(), first);
    EXPECT_EQ(main.Chain().at(1), first);
}

TEST(CommandRouting, AcceleratorsInTheMessageLoopUntilTheMainWindowCloses) {
    std::string key = IsolatedKeyPath("routing-loop");
    TestApp app(key);
    ASSERT_NE(app.NewDocument(), nullptr);
    ACCEL keys[] = {{FVIRTKEY, VK_F4, ID_TEST_VIEW_CMD}, {FVIRTKEY, VK_F5, ID_TEST_APP_CMD}};
    HACCEL table = ::CreateAcceleratorTableA(keys, 2);
    app.SetAccelerators(table);
    HWND focus = app.MainFrame()->ActiveView()->Handle();
    HandlerLog().clear();
    ::PostMessageA(focus, WM_KEYDOWN, VK_F4, 0);
    ::PostMessageA(focus, WM_KEYDOWN, VK_F5, 0);
    ::PostMessageA(focus, WM_KEYDOWN, VK_F6, 0);  // no accelerator: an ordinary key
    app.AddToRecentFiles("C:\\loop.twt");
    ::PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Run(), 0);  // runs until the main window has gone
    EXPECT_EQ(HandlerLog(), (Log{"view", "app"}));
    EXPECT_FALSE(::IsWindow(app.MainFrame()->Handle()));
    EXPECT_EQ(RegistrySettingsStore(key).GetString("Recent File List", "File1", ""),
              "C:\\loop.twt");
    ::DestroyAcceleratorTable(table);
}

}  // namespace
}  // namespace tw::test
