#pragma once
// CTallywickApp: the application object of tallyw.exe. It starts the program (the libraries,
// the settings, the document type, the main window, the first documents), owns the general
// settings and what the views share (clock pictures, icons, fonts, the system-menu blocks), and
// answers the documents' questions about the general settings.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/general_settings.h"
#include "app/system_menu_blocks.h"
#include "doc/document_observer.h"
#include "framework/command_line.h"
#include "framework/win32/app.h"
#include "view/win32/view_host.h"

namespace tw {

class CFormDlg;
class CMainFrame;

class CTallywickApp : public CApp, public IDocumentApplication, public IViewHost {
public:
    static constexpr const char* kSettingsKey = "Tallywick\\Tallywick";
    static constexpr UINT_PTR kAutoSaveTimer = 20;
    static constexpr UINT kAutoSavePeriod = 60000;

    explicit CTallywickApp(const std::string& settingsKey = kSettingsKey);
    ~CTallywickApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // Tests give the command line instead of the process's.
    void SetCommandLine(const CommandLineInfo& info) { commandLine_ = info; }
    // The libraries' file names (tests give a name that does not exist).
    void SetLibraryNames(const std::string& grid, const std::string& controls);

    // General settings
    const GeneralSettings& General() const { return general_; }
    void SetGeneralAdjust(RecalcTarget target);
    void SetAutoAdjust(bool on);
    void ResetAutoSaveClock();
    bool IsAutoSaveDue() const;
    // Starts or stops timer 20 of the main window by the auto-save settings.
    void UpdateAutoSaveTimer();
    // Auto-save: every open document that has a path is saved to it.
    void AutoSaveDocuments();
    // The general preferences chosen on their sheet: stored, and the auto-save timer follows.
    void TakeGeneralPreferences(const GeneralSettings& chosen);

    // Reopen recording while the main window closes.
    void BeginReopenRecording();
    void EndReopenRecording() { recordingReopen_ = false; }
    const std::vector<std::string>& ReopenPaths() const { return reopenPaths_; }

    // The system-menu blocks: the view holding the block of `id`, or null.
    CFormDlg* ViewOfMenuId(unsigned id) const;
    // Every open view (for caption refreshes and the system menu).
    std::vector<CFormDlg*> Views() const;

    bool LibrariesLoaded() const { return gridLibrary_ != nullptr && tarnLibrary_ != nullptr; }
    CMainFrame* Main() const;

    // IDocumentApplication (EditTimeTarget answers IViewHost too)
    RecalcTarget CellEditTarget(int column) const override;
    RecalcTarget EditTimeTarget() const override { return general_.generalAdjust; }
    bool IsRecordingReopen() const override { return recordingReopen_; }
    void RecordReopenPath(const std::string& path) override;
    int AutoSaveInterval() const override;
    bool SaveWithNewPath(CWorkmetrDoc& doc) override;

    // IViewHost
    HWND MainWindow() const override { return CApp::MainWindow(); }
    std::string AppName() const override { return "Tallywick"; }
    HBITMAP StatusPicture(ClockState state) const override;
    HBITMAP CheckMarkPicture(ClockState state) const override;
    HICON StateIcon(ClockState state) const override;
    HICON MainIcon() const override { return mainIcon_; }
    HICON DocumentIcon() const override { return documentIcon_; }
    HFONT TotalsFont() const override { return fonts_[0]; }
    LOGFONTA BoldRowFont() const override;
    std::string DatePicture() const override;
    std::string TimePicture() const override;
    unsigned AcquireMenuBlock(CFormDlg& view) override;
    void ReleaseMenuBlock(CFormDlg& view) override;
    bool TakeFirstViewSizing() override;
    bool EditTimeAutoAdjust() const override { return general_.autoAdjust; }
    void RememberEditTimeChoices(RecalcTarget target, bool autoAdjust) override {
        SetGeneralAdjust(target);
        SetAutoAdjust(autoAdjust);
    }
    RecordCopies* CopiedRecords() override { return &copiedRecords_; }
    bool ConfirmsDelete() const override { return general_.confirmDelete; }

private:
    void RegisterAppCommands();
    void LoadPictures();
    void FreePictures();
    HMODULE LoadLibraryOrSay(const std::string& name);
    void CreateFonts();
    void OpenFirstDocuments();
    void PlaceMainWindow();
    void ShowHelp();
    void ShowAbout();

    GeneralSettings general_;
    std::optional<CommandLineInfo> commandLine_;
    std::string gridLibraryName_ = "dtbl32.dll";
    std::string tarnLibraryName_ = "tarn32.dll";
    HMODULE gridLibrary_ = nullptr;
    HMODULE tarnLibrary_ = nullptr;
    HBITMAP statusPictures_[3] = {};
    HBITMAP checkPictures_[3] = {};
    HICON stateIcons_[3] = {};
    HICON mainIcon_ = nullptr;
    HICON documentIcon_ = nullptr;
    HFONT fonts_[3] = {};  // Arial 18, MS Sans Serif 8, bold MS Sans Serif 8
    CalTime autoSaveClock_ = 0;
    bool recordingReopen_ = false;
    std::vector<std::string> reopenPaths_;
    SystemMenuBlocks blocks_;
    std::map<unsigned, CFormDlg*> viewsByBlock_;
    bool firstViewSized_ = false;
    RecordCopies copiedRecords_;  // the records of the last Copy, for Paste in any document
};

// The application of this process, or null.
CTallywickApp* TheTallywickApp();

}  // namespace tw
