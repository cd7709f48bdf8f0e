// tallyw_dialog_scenes.exe SCENE: the program on a copy of the sample document with one of its
// dialogs open, for the screenshots (scripts/screenshots.d). It runs until it is ended from
// outside.
//   edit-time: the Edit Time dialog on the third row's record.
//   mark-special: the Mark Special dialog.
//   sort: the Sort dialog over a table sorted by start date, then project.
//   export-prefs: the Export Preferences dialog that Export opens.
//   rate-list: the rate list editor on the projects.
//   general-prefs N, doc-prefs N: the General or Document Preferences sheet on its page N.
//   print-prefs: the Print Preferences dialog before a preview.
//   print-preview: the preview of the table printed with six columns.
#include <windows.h>
#include <prsht.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/res/resource.h"
#include "app/win32/tallywick_app.h"
#include "doc/document.h"
#include "framework/command_line.h"
#include "framework/win32/mdi_frame.h"
#include "view/grid_interface.h"
#include "view/sort_levels.h"
#include "view/time_table_columns.h"
#include "view/win32/form_dlg.h"

namespace {

constexpr const char* kSettingsKey = "TallywickScenes\\Tallywick";

// A copy of samples/consulting.tw in the temp folder (the sample itself stays untouched).
std::string SampleCopy() {
    std::string here = __FILE__;
    const std::string sample = here.substr(0, here.rfind("tests")) + "samples/consulting.tw";
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    const std::string copy = std::string(folder) + "tw_scene.tw";
    ::CopyFileA(sample.c_str(), copy.c_str(), FALSE);
    return copy;
}

BOOL CALLBACK FindGrid(HWND w, LPARAM found) {
    char name[32] = {};
    ::GetClassNameA(w, name, sizeof name);
    if (lstrcmpiA(name, "DataTbl32") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

void OpenEditTime(HWND main) {
    HWND grid = nullptr;
    ::EnumChildWindows(main, FindGrid, reinterpret_cast<LPARAM>(&grid));
    ::SendMessageA(grid, tw::grid::kSelectAll, 0, 0);
    ::SendMessageA(grid, tw::grid::kSelectRow, 1, 2);
    ::PostMessageA(main, WM_COMMAND, ID_EDIT_TIME_ROW, 0);
}

// The table sorted by start date, then by project, before the Sort dialog opens.
void OpenSort(tw::CTallywickApp& app) {
    auto* view = dynamic_cast<tw::CFormDlg*>(app.MainFrame()->ActiveView());
    if (view != nullptr && view->Document() != nullptr) {
        tw::SortLevels levels = view->Document()->Settings().sort;
        levels[0].use = true;
        levels[0].column = tw::GridColumnOfName("START_DATE");
        levels[1].use = true;
        levels[1].column = tw::GridColumnOfName("PROJECT");
        levels[1].ascending = false;
        view->Document()->SetSortLevels(levels, false);
        view->ApplySortSettings();
    }
    ::PostMessageA(app.MainWindow(), WM_COMMAND, ID_SORT, 0);
}

// The page a preferences scene shows; the sheet is looked for until it is open.
int g_scenePage = 0;

BOOL CALLBACK FindSheet(HWND w, LPARAM found) {
    char text[128] = {};
    ::GetWindowTextA(w, text, sizeof text);
    if (std::strstr(text, "Preferences") == nullptr || !::IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

void CALLBACK TurnToScenePage(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND sheet = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindSheet, reinterpret_cast<LPARAM>(&sheet));
    if (sheet == nullptr) return;
    ::KillTimer(nullptr, timer);
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(g_scenePage), 0);
}

void OpenPreferences(HWND main, unsigned command, const char* page) {
    g_scenePage = std::atoi(page);
    ::SetTimer(nullptr, 0, 100, TurnToScenePage);
    ::PostMessageA(main, WM_COMMAND, command, 0);
}

// Print Preview asks for the print preferences first; the preview scene answers OK.
void CALLBACK AcceptPrintPreferences(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = ::FindWindowA("#32770", "Print Preferences");
    if (dialog == nullptr) return;
    ::KillTimer(nullptr, timer);
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void OpenPrintPreview(tw::CTallywickApp& app, bool accept) {
    auto* view = dynamic_cast<tw::CFormDlg*>(app.MainFrame()->ActiveView());
    if (accept && view != nullptr && view->Document() != nullptr) {
        tw::DocumentSettings s = view->Document()->Settings();
        for (tw::ColumnSetting& c : s.columns) c.printed = false;
        for (int c : {tw::kColStartDate, tw::kColStartTime, tw::kColElapsed, tw::kColCharge,
                      tw::kColProject, tw::kColNotes})
            s.columns[size_t(c)].printed = true;
        view->Document()->SetSettings(s);
        ::SetTimer(nullptr, 0, 100, AcceptPrintPreferences);
    }
    ::PostMessageA(app.MainWindow(), WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    tw::CTallywickApp app(kSettingsKey);
    app.SetCommandLine(tw::ParseCommandLine({SampleCopy()}));
    if (!app.InitInstance()) return 1;
    if (std::strstr(commandLine, "edit-time") != nullptr) OpenEditTime(app.MainWindow());
    if (std::strstr(commandLine, "mark-special") != nullptr)
        ::PostMessageA(app.MainWindow(), WM_COMMAND, ID_MARK_SPECIAL, 0);
    if (std::strstr(commandLine, "sort") != nullptr) OpenSort(app);
    if (std::strstr(commandLine, "export-prefs") != nullptr)
        ::PostMessageA(app.MainWindow(), WM_COMMAND, ID_EXPORT, 0);
    if (std::strstr(commandLine, "rate-list") != nullptr)
        ::PostMessageA(app.MainWindow(), WM_COMMAND, ID_EDIT_PROJECTS, 0);
    if (const char* at = std::strstr(commandLine, "general-prefs "))
        OpenPreferences(app.MainWindow(), ID_GENERAL_PREFERENCES, at + 14);
    if (const char* at = std::strstr(commandLine, "doc-prefs "))
        OpenPreferences(app.MainWindow(), ID_DOCUMENT_PREFERENCES, at + 10);
    if (std::strstr(commandLine, "print-prefs") != nullptr) OpenPrintPreview(app, false);
    if (std::strstr(commandLine, "print-preview") != nullptr) OpenPrintPreview(app, true);
    while (app.PumpMessage()) {}
    return app.ExitInstance();
}
