#include "framework/win32/win32_platform.h"

#include <gtest/gtest.h>

#include <ctime>

#include "framework/file_replace.h"

namespace tw {
namespace {

// The Win32 clock and the C library's clock read the same second (give or take a tick).
TEST(Win32Platform, ClockAgreesWithCLibrary) {
    const CalTime before = static_cast<CalTime>(std::time(nullptr));
    const CalTime now = Win32Clock().Now();
    const CalTime after = static_cast<CalTime>(std::time(nullptr));
    EXPECT_GE(now, before - 1);
    EXPECT_LE(now, after + 1);
}

TEST(Win32Platform, InstallMakesTheWin32ServicesCurrent) {
    ScopedPlatform restore(Platform());
    InstallWin32Platform();
    Win32Services& s = Win32PlatformServices();
    EXPECT_EQ(Platform().clock, &s.clock);
    EXPECT_EQ(Platform().messages, &s.messages);
    EXPECT_EQ(Platform().locale, &s.locale);
    // A save over an existing file needs MoveFileExA: rename() cannot replace on Windows.
    EXPECT_EQ(&FileReplaceService(), &s.fileReplace);
    SetFileReplaceService(nullptr);
}

}  // namespace
}  // namespace tw
