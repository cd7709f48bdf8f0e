// The library frame seen by a client that loads tarn32.dll by name: classes, exports,
// version, helpers, and the unload.

#include <gtest/gtest.h>

#include <string>

#include "controls/tarn32.h"

namespace {

HMODULE Load() { return LoadLibraryA("tarn32.dll"); }

template <class Function>
Function* Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct ClassCase {
    const char* name;
    int extraBytes;
    UINT style;
    bool cursor;
};

constexpr UINT kRedraw = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

TEST(TarnFrame, RegistersTheElevenClassesWithTheirAttributes) {
    HMODULE module = Load();
    ASSERT_NE(module, nullptr);
    const ClassCase cases[] = {
        {"TarnButton32", 40, kRedraw, true},
        {"TarnNumEdit32", 12, kRedraw, false},
        {"TarnDateEdit32", 12, kRedraw, false},
        {"TarnTimeEdit32", 12, kRedraw, false},
        {"TarnFontSelect32", 12, kRedraw, true},
        {"TarnDial32", 12, kRedraw, true},
        {"TarnUDLR32", 10, kRedraw, true},
        {"TarnPercentBar32", 32, kRedraw, true},
        {"TarnHierList32", 4, CS_GLOBALCLASS | CS_DBLCLKS, true},
        {"TarnCalctl32", 16, kRedraw, true},
        {"TarnComboBox32", 16, kRedraw, true},
    };
    for (const ClassCase& c : cases) {
        WNDCLASSA info = {};
        ASSERT_TRUE(GetClassInfoA(module, c.name, &info)) << c.name;
        EXPECT_EQ(info.cbWndExtra, c.extraBytes) << c.name;
        EXPECT_EQ(info.cbClsExtra, 0) << c.name;
        EXPECT_EQ(info.style & (CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), c.style)
            << c.name;
        EXPECT_EQ(info.hCursor != nullptr, c.cursor) << c.name;
        const bool grey = std::string(c.name) == "TarnFontSelect32";
        EXPECT_EQ(info.hbrBackground != nullptr, grey) << c.name;
    }
    FreeLibrary(module);
}

TEST(TarnFrame, ExportsPlainNames) {
    HMODULE module = Load();
    ASSERT_NE(module, nullptr);
    const char* names[] = {
        "GetLongVersion",    "GetTarnVersion",    "CenterLocalPopup", "CreateLocalFont",
        "TarnDateEditWinFn", "TarnTimeEditWinFn", "TarnCalctlWinFn",  "TarnCBFunction",
        "TarnPctBarWinFn",   "dtSetDate",         "dtGetDate",        "dtIsDateValid",
        "dtSetButtonText",   "tmSetTimeString",   "tmStartClock",     "tmSetBorderStyle"};
    for (const char* name : names) EXPECT_NE(GetProcAddress(module, name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(module, "dtSetDate@8"), nullptr);
    FreeLibrary(module);
}

TEST(TarnFrame, VersionComesFromTheVersionResource) {
    HMODULE module = Load();
    auto* longVersion = Export<DWORD WINAPI()>(module, "GetLongVersion");
    auto* tarnVersion = Export<WORD WINAPI()>(module, "GetTarnVersion");
    ASSERT_NE(longVersion, nullptr);
    ASSERT_NE(tarnVersion, nullptr);
    EXPECT_EQ(longVersion(), 0x01020000u);
    EXPECT_EQ(tarnVersion(), 0x0102);
    FreeLibrary(module);
}

TEST(TarnFrame, HelpersCentreWindowsAndCreateFonts) {
    HMODULE module = Load();
    auto* center = Export<void WINAPI(HWND)>(module, "CenterLocalPopup");
    auto* createFont = Export<HFONT WINAPI(LPCSTR, short, LONG)>(module, "CreateLocalFont");
    ASSERT_NE(center, nullptr);
    ASSERT_NE(createFont, nullptr);

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND small =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    center(small);
    RECT rect;
    GetWindowRect(small, &rect);
    EXPECT_EQ(rect.left, (screenWidth - 200) / 2);
    EXPECT_EQ(rect.top, (screenHeight - 100) / 2);
    EXPECT_EQ(rect.right - rect.left, 200);
    HWND large = CreateWindowA("STATIC", "", WS_POPUP, 50, 50, screenWidth + 300,
                               screenHeight + 200, nullptr, nullptr, nullptr, nullptr);
    center(large);
    GetWindowRect(large, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    center(nullptr);
    DestroyWindow(small);
    DestroyWindow(large);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    struct FontCase {
        short points;
        LONG emphasis;
        LONG weight;
        BYTE italic;
    };
    for (const FontCase& c : {FontCase{10, 0, 400, 0}, FontCase{12, 1, 600, 1}}) {
        HFONT font = createFont("Arial", c.points, c.emphasis);
        ASSERT_NE(font, nullptr);
        LOGFONTA info = {};
        GetObjectA(font, sizeof info, &info);
        EXPECT_EQ(info.lfHeight, -MulDiv(c.points * 20, dpi, 1440));
        EXPECT_EQ(info.lfWeight, c.weight);
        EXPECT_EQ(info.lfItalic, c.italic);
        DeleteObject(font);
    }
    FreeLibrary(module);
}

// Catches the debug strings of OutputDebugStringA.
std::string g_debugOutput;
LONG CALLBACK CatchDebugString(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode != DBG_PRINTEXCEPTION_C || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    g_debugOutput.append(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST(TarnFrame, SecondLoadSharesTheClassesAndUnloadUnregistersThem) {
    HMODULE first = Load();
    HMODULE second = Load();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    FreeLibrary(second);
    WNDCLASSA info = {};
    EXPECT_TRUE(GetClassInfoA(first, "TarnDateEdit32", &info));

    g_debugOutput.clear();
    PVOID handler = AddVectoredExceptionHandler(1, CatchDebugString);
    FreeLibrary(first);
    RemoveVectoredExceptionHandler(handler);
    EXPECT_NE(g_debugOutput.find("TARN32.DLL Unloading...\n"), std::string::npos);
    EXPECT_FALSE(GetClassInfoA(nullptr, "TarnDateEdit32", &info));
    EXPECT_FALSE(GetClassInfoA(nullptr, "TarnComboBox32", &info));

    HMODULE again = Load();  // a new load registers everything afresh
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(GetClassInfoA(again, "TarnComboBox32", &info));
    FreeLibrary(again);
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(TarnFrame, AFailedRegistrationFailsTheLoadUntilTheNameIsFree) {
    WNDCLASSA taken = {};
    taken.style = CS_GLOBALCLASS;
    taken.lpfnWndProc = PlainProc;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "TarnUDLR32";  // the seventh class of the table
    ASSERT_TRUE(RegisterClassA(&taken));
    EXPECT_EQ(Load(), nullptr);
    WNDCLASSA info = {};
    EXPECT_FALSE(GetClassInfoA(nullptr, "TarnButton32", &info));
    EXPECT_FALSE(GetClassInfoA(nullptr, "TarnDial32", &info));
    UnregisterClassA("TarnUDLR32", GetModuleHandleA(nullptr));
    HMODULE module = Load();
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(GetClassInfoA(module, "TarnUDLR32", &info));
    FreeLibrary(module);
}

}  // namespace
