// The common file dialogs driven as a user would: a timer presses OK or Cancel once the dialog
// runs, and the test checks the path it gives back.
#include <gtest/gtest.h>

#include "framework/win32/common_dialogs.h"
#include "test_support.h"

#include <cstdio>

namespace tw::test {
namespace {

// The dialog to answer and how: while the dialog runs, a thread timer presses the button on
// the window of that title that takes input (a message box over it would be another).
struct PendingAnswer {
    std::string title;
    int button = IDCANCEL;
};
PendingAnswer pending;

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = ::FindWindowA("#32770", pending.title.c_str());
    if (dialog != nullptr && ::IsWindowEnabled(dialog)) {
        ::PostMessageA(dialog, WM_COMMAND, pending.button, 0);
    }
}

// Presses button on the dialog titled title while call runs; gives back what call gave.
template <class Call>
auto Answering(const char* title, int button, Call call) {
    pending = PendingAnswer{title, button};
    UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &LookForDialog);
    auto result = call();
    ::KillTimer(nullptr, timer);
    return result;
}

TEST(CommonDialogs, SaveAndOpenWithFilterFolderAndExtension) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    std::string existing = std::string(folder) + "tw_dialog_pick.twt";
    std::FILE* f = std::fopen(existing.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);

    FileDialogOptions options;
    options.filter = "Test Files (*.twt) |*.twt| All Files (*.*) |*.*||";
    options.initialFolder = folder;
    options.defaultExtension = "twt";
    options.title = "Save Test";
    options.fileName = "tw_dialog_new";
    std::optional<std::string> saved =
        Answering("Save Test", IDOK, [&] { return AskSaveFileName(nullptr, options); });
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(*saved, std::string(folder) + "tw_dialog_new.twt");

    options.title = "Open Test";
    options.fileName = "tw_dialog_pick.twt";
    std::optional<std::string> opened =
        Answering("Open Test", IDOK, [&] { return AskOpenFileName(nullptr, options); });
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(*opened, existing);

    EXPECT_FALSE(Answering("Open Test", IDCANCEL, [&] {
                     return AskOpenFileName(nullptr, options);
                 }).has_value());
    ::DeleteFileA(existing.c_str());
}

TEST(CommonDialogs, FontChooserGivesTheChosenFontAndItsPointSize) {
    LOGFONTA font{};
    lstrcpyA(font.lfFaceName, "Arial");
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    font.lfHeight = -::MulDiv(12, dpi, 72);
    int tenths = 0;
    // The dialog takes the closest installed font; its size comes back in tenths of a point.
    EXPECT_TRUE(Answering("Font", IDOK, [&] { return AskFont(nullptr, font, tenths); }));
    EXPECT_GT(tenths, 0);
    EXPECT_NE(font.lfFaceName[0], '\0');
    EXPECT_NEAR(tenths, ::MulDiv(-font.lfHeight, 720, dpi), 10);

    LOGFONTA before = font;
    tenths = 0;
    EXPECT_FALSE(Answering("Font", IDCANCEL, [&] { return AskFont(nullptr, font, tenths); }));
    EXPECT_EQ(tenths, 0);
    EXPECT_STREQ(font.lfFaceName, before.lfFaceName);
}

}  // namespace
}  // namespace tw::test
