#include "app/win32/tallywick_app.h"

#include <cmath>
#include <cstdlib>

#include "app/frame_geometry.h"
#include "app/general_prefs_store.h"
#include "app/res/resource.h"
#include "app/win32/child_frame.h"
#include "app/win32/help_window.h"
#include "app/win32/main_frame.h"
#include "app/win32/tally_doc.h"
#include "app/win32/tarn_controls.h"
#include "dialogs/win32/edit_time_dlg.h"
#include "dialogs/win32/general_prefs_sheet.h"
#include "dialogs/win32/rate_list_command.h"
#include "doc/locale_formats.h"
#include "framework/command_ids.h"
#include "framework/locale_formatter.h"
#include "framework/prompt.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/message_box.h"
#include "framework/win32/win32_platform.h"
#include "view/win32/form_dlg.h"

namespace tw {

namespace {

constexpr int kStateCount = 3;

int StateIndex(ClockState state) { return static_cast<int>(state); }

// Height of a font of `points` on the screen: -(points x pixels per inch / 72), rounded.
int FontHeight(int points) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

LOGFONTA FontDescription(const char* face, int points, int weight) {
    LOGFONTA font{};
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    font.lfHeight = FontHeight(points);
    font.lfWeight = weight;
    font.lfCharSet = 0;
    return font;
}

// LR_LOADMAP3DCOLORS turns the pictures' button-face grey into the scheme's button face.
HBITMAP LoadPicture(int id, UINT flags) {
    return static_cast<HBITMAP>(
        ::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags));
}

HICON LoadIconSized(int id, int size) {
    return static_cast<HICON>(::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
}

}  // namespace

CTallywickApp* TheTallywickApp() { return dynamic_cast<CTallywickApp*>(TheApp()); }

CTallywickApp::CTallywickApp(const std::string& settingsKey) : CApp(settingsKey) {
    RegisterAppCommands();
}

CTallywickApp::~CTallywickApp() {
    if (ViewHost() == this) SetViewHost(nullptr);
    FreePictures();
}

void CTallywickApp::SetLibraryNames(const std::string& grid, const std::string& controls) {
    gridLibraryName_ = grid;
    tarnLibraryName_ = controls;
}

CMainFrame* CTallywickApp::Main() const { return dynamic_cast<CMainFrame*>(MainFrame()); }

void CTallywickApp::RegisterAppCommands() {
    OnCommand(kCmdHelpContents, [this] { ShowHelp(); });
    OnCommand(ID_HELP_CONTENTS_TABLE, [this] { ShowHelp(); });
    OnCommand(kCmdAppAbout, [this] { ShowAbout(); });
    OnCommand(ID_GENERAL_PREFERENCES, [this] { RunGeneralPreferences(*this); });
}

bool CTallywickApp::InitInstance() {
    InstallWin32Platform();
    // The core's messages go through the prompter, so one hook answers every box.
    static PromptMessageBox promptMessages;
    Platform().messages = &promptMessages;
    SetViewHost(this);
    CEditTimeDlg::SetListEditor(RunRateListEditor);
    LoadPictures();
    gridLibrary_ = LoadLibraryOrSay(gridLibraryName_);
    tarnLibrary_ = LoadLibraryOrSay(tarnLibraryName_);
    SetTarnLibrary(tarnLibrary_);
    LoadRecentFiles(4);
    AppLocaleFormats() = LoadLocaleFormats(*Platform().locale);
    general_ = ReadGeneralSettings(Settings());
    AddDocTemplate(CDocTemplate::Make<CTallyDoc, CChildFrame, CFormDlg>(IDR_TALLYTYPE));
    SetOpenFilter(LoadResourceString(IDS_OPEN_FILTER));
    auto frame = std::make_unique<CMainFrame>();
    HMENU menu = ::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!frame->Create(AppName(), menu, mainIcon_)) return false;
    SetMainFrame(std::move(frame));
    SetAccelerators(::LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    CreateFonts();
    UpdateAutoSaveTimer();
    RegisterShellFileTypes();
    OpenFirstDocuments();
    PlaceMainWindow();
    ::UpdateWindow(MainWindow());
    return true;
}

int CTallywickApp::ExitInstance() {
    for (HFONT& font : fonts_) {
        if (font != nullptr) ::DeleteObject(font);
        font = nullptr;
    }
    SetTarnLibrary(nullptr);
    if (tarnLibrary_ != nullptr) ::FreeLibrary(tarnLibrary_);
    if (gridLibrary_ != nullptr) ::FreeLibrary(gridLibrary_);
    tarnLibrary_ = gridLibrary_ = nullptr;
    return CApp::ExitInstance();
}

HMODULE CTallywickApp::LoadLibraryOrSay(const std::string& name) {
    HMODULE library = ::LoadLibraryA(name.c_str());
    if (library == nullptr) TellResource(IDS_DLL_LOAD_FAILED, {name}, PromptIcon::Error);
    return library;
}

void CTallywickApp::LoadPictures() {
    const int status[kStateCount] = {IDB_STATUS_IDLE, IDB_STATUS_RUNNING, IDB_STATUS_PAUSED};
    const int checks[kStateCount] = {IDB_CHECK_IDLE, IDB_CHECK_RUNNING, IDB_CHECK_PAUSED};
    const int icons[kStateCount] = {IDI_CLOCK_IDLE, IDI_CLOCK_RUNNING, IDI_CLOCK_PAUSED};
    for (int i = 0; i < kStateCount; ++i) {
        statusPictures_[i] = LoadPicture(status[i], LR_LOADMAP3DCOLORS);
        checkPictures_[i] = LoadPicture(checks[i], LR_DEFAULTCOLOR);
        stateIcons_[i] = LoadIconSized(icons[i], 32);
    }
    mainIcon_ = LoadIconSized(IDR_MAINFRAME, 32);
    documentIcon_ = LoadIconSized(IDR_TALLYTYPE, 32);
}

void CTallywickApp::FreePictures() {
    for (int i = 0; i < kStateCount; ++i) {
        if (statusPictures_[i]) ::DeleteObject(statusPictures_[i]);
        if (checkPictures_[i]) ::DeleteObject(checkPictures_[i]);
        if (stateIcons_[i]) ::DestroyIcon(stateIcons_[i]);
        statusPictures_[i] = checkPictures_[i] = nullptr;
        stateIcons_[i] = nullptr;
    }
    if (mainIcon_) ::DestroyIcon(mainIcon_);
    if (documentIcon_) ::DestroyIcon(documentIcon_);
    mainIcon_ = documentIcon_ = nullptr;
}

void CTallywickApp::CreateFonts() {
    const LOGFONTA descriptions[3] = {FontDescription("Arial", 18, FW_NORMAL),
                                      FontDescription("MS Sans Serif", 8, FW_NORMAL),
                                      FontDescription("MS Sans Serif", 8, FW_BOLD)};
    for (int i = 0; i < 3; ++i) fonts_[i] = ::CreateFontIndirectA(&descriptions[i]);
}

void CTallywickApp::OpenFirstDocuments() {
    const CommandLineInfo command = commandLine_ ? *commandLine_ : ProcessCommandLine();
    if (command.action != StartAction::None) {
        ProcessShellCommand(command);  // a failure has told the user already
        return;
    }
    switch (general_.startup) {
        case StartupChoice::kNewDocument: NewDocument(); break;
        case StartupChoice::kReopenLast:
            for (const std::string& path : ReadReopenPaths(Settings())) OpenDocumentFile(path);
            break;
        default: break;
    }
}

// The stored placement of the main window, or its top-left corner one menu height in.
void CTallywickApp::PlaceMainWindow() {
    ISettingsStore& s = Settings();
    RECT normal{s.GetInt(kGeneralSection, "rcNormalPositionLeft", 0),
                s.GetInt(kGeneralSection, "rcNormalPositionTop", 0),
                s.GetInt(kGeneralSection, "rcNormalPositionRight", 0),
                s.GetInt(kGeneralSection, "rcNormalPositionBottom", 0)};
    const bool stored =
        normal.left != 0 || normal.top != 0 || normal.right != 0 || normal.bottom != 0;
    if (stored) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        placement.showCmd = static_cast<UINT>(s.GetInt(kGeneralSection, "showCmd", SW_SHOWNORMAL));
        placement.ptMinPosition = POINT{s.GetInt(kGeneralSection, "ptMinPositionX", -1),
                                        s.GetInt(kGeneralSection, "ptMinPositionY", -1)};
        placement.ptMaxPosition = POINT{-1, -1};
        placement.rcNormalPosition = normal;
        ::SetWindowPlacement(MainWindow(), &placement);
        return;
    }
    const int inset = ::GetSystemMetrics(SM_CYMENU);
    ::SetWindowPos(MainWindow(), nullptr, inset, inset, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOW;
    ::ShowWindow(MainWindow(), show == SW_HIDE ? SW_SHOW : show);
}

// --- General settings ------------------------------------------------------------------------

void CTallywickApp::SetGeneralAdjust(RecalcTarget target) {
    if (target == general_.generalAdjust) return;
    general_.generalAdjust = target;
    Settings().WriteInt(kGeneralSection, "GeneralAdjust", static_cast<int>(target));
}

void CTallywickApp::SetAutoAdjust(bool on) {
    if (on == general_.autoAdjust) return;
    general_.autoAdjust = on;
    WriteFlag(Settings(), "AutoAdjust", on);
}

void CTallywickApp::ResetAutoSaveClock() { autoSaveClock_ = Platform().clock->Now(); }

bool CTallywickApp::IsAutoSaveDue() const {
    return ::tw::IsAutoSaveDue(Platform().clock->Now(), autoSaveClock_, general_.autoSaveMinutes);
}

void CTallywickApp::UpdateAutoSaveTimer() {
    HWND main = MainWindow();
    if (main == nullptr) return;
    ::KillTimer(main, kAutoSaveTimer);
    if (!general_.AutoSaveActive()) return;
    ResetAutoSaveClock();
    ::SetTimer(main, kAutoSaveTimer, kAutoSavePeriod, nullptr);
}

void CTallywickApp::TakeGeneralPreferences(const GeneralSettings& chosen) {
    AutoSaveTimerAction timer = AutoSaveTimerAction::kNone;
    StoreGeneralPreferences(Settings(), general_, chosen, timer);
    if (timer != AutoSaveTimerAction::kNone) UpdateAutoSaveTimer();
}

void CTallywickApp::AutoSaveDocuments() {
    if (DocTemplate() == nullptr) return;
    for (const auto& document : DocTemplate()->Documents()) {
        if (!document->GetPathName().empty()) document->OnSaveDocument(document->GetPathName());
    }
    ResetAutoSaveClock();
}

void CTallywickApp::BeginReopenRecording() {
    recordingReopen_ = true;
    reopenPaths_.clear();
}

void CTallywickApp::RecordReopenPath(const std::string& path) { reopenPaths_.push_back(path); }

// --- Documents' questions --------------------------------------------------------------------

RecalcTarget CTallywickApp::CellEditTarget(int column) const {
    switch (column) {
        case kColStartDate:
        case kColStartTime: return general_.startAdjust;
        case kColStopDate:
        case kColStopTime: return general_.stopAdjust;
        case kColElapsed: return general_.elapsedAdjust;
        case kColPaused: return general_.pausedAdjust;
        default: return RecalcTarget::kElapsed;
    }
}

int CTallywickApp::AutoSaveInterval() const {
    return general_.AutoSaveActive() ? general_.autoSaveMinutes : 0;
}

bool CTallywickApp::SaveWithNewPath(CWorkmetrDoc& doc) {
    auto* appDoc = dynamic_cast<CAppDocument*>(&doc);
    return appDoc != nullptr && appDoc->DoSave(std::string());
}

// --- What the views share --------------------------------------------------------------------

HBITMAP CTallywickApp::StatusPicture(ClockState state) const {
    return statusPictures_[StateIndex(state)];
}

HBITMAP CTallywickApp::CheckMarkPicture(ClockState state) const {
    return checkPictures_[StateIndex(state)];
}

HICON CTallywickApp::StateIcon(ClockState state) const { return stateIcons_[StateIndex(state)]; }

LOGFONTA CTallywickApp::BoldRowFont() const { return FontDescription("MS Sans Serif", 8, FW_BOLD); }

std::string CTallywickApp::DatePicture() const {
    return Platform().locale->Value(LocaleValue::kShortDatePicture);
}

std::string CTallywickApp::TimePicture() const {
    return RemoveSecondsField(Platform().locale->Value(LocaleValue::kTimePicture),
                              AppLocaleFormats().timeSeparator);
}

unsigned CTallywickApp::AcquireMenuBlock(CFormDlg& view) {
    const unsigned base =
        blocks_.Allocate([this](unsigned b) { return viewsByBlock_.count(b) != 0; });
    if (base != 0) viewsByBlock_[base] = &view;
    return base;
}

void CTallywickApp::ReleaseMenuBlock(CFormDlg& view) {
    for (auto it = viewsByBlock_.begin(); it != viewsByBlock_.end(); ++it) {
        if (it->second == &view) {
            viewsByBlock_.erase(it);
            return;
        }
    }
}

CFormDlg* CTallywickApp::ViewOfMenuId(unsigned id) const {
    auto it = viewsByBlock_.find(SystemMenuBlocks::BaseOf(id));
    return it != viewsByBlock_.end() ? it->second : nullptr;
}

std::vector<CFormDlg*> CTallywickApp::Views() const {
    std::vector<CFormDlg*> views;
    if (DocTemplate() == nullptr) return views;
    for (const auto& document : DocTemplate()->Documents()) {
        for (CView* view : document->Views()) {
            if (auto* form = dynamic_cast<CFormDlg*>(view)) views.push_back(form);
        }
    }
    return views;
}

bool CTallywickApp::TakeFirstViewSizing() {
    if (firstViewSized_) return false;
    firstViewSized_ = true;
    return true;
}

// --- Help ------------------------------------------------------------------------------------

void CTallywickApp::ShowHelp() { ShowHelpWindow(MainWindow()); }

void CTallywickApp::ShowAbout() {
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = MainWindow();
    params.hInstance = ResourceInstance();
    const std::string text = AppName() + " " + LoadResourceString(IDS_APP_VERSION) +
                             "\nTime tracking and billing for Windows.";
    const std::string caption = "About " + AppName();
    params.lpszText = text.c_str();
    params.lpszCaption = caption.c_str();
    params.dwStyle = MB_OK | MB_USERICON;
    params.lpszIcon = MAKEINTRESOURCEA(IDR_MAINFRAME);
    ::MessageBoxIndirectA(&params);
}

}  // namespace tw
