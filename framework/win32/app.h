#pragma once
// The application object: start-up and exit hooks, the message loop with idle processing and
// accelerators, the document template, the main frame, the command line, the settings store,
// the recent-file list, the shell's file type and the printer. One exists per process.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/command_line.h"
#include "framework/command_target.h"
#include "framework/recent_file_list.h"
#include "framework/settings.h"
#include "framework/win32/common_dialogs.h"

namespace tw {

class CAppDocument;
class CDocTemplate;
class CMDIFrame;

class CApp : public CommandTarget {
public:
    // settingsKeyPath: the key below HKCU\Software that holds the settings.
    explicit CApp(const std::string& settingsKeyPath);
    ~CApp() override;
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // Overridables
    // Start-up; false ends the program before the message loop.
    virtual bool InitInstance() { return true; }
    // After the loop; the result is the exit code. The default saves the recent-file list.
    virtual int ExitInstance();
    // Called while the queue is empty with count 0, 1, ...; true asks for more idle time.
    virtual bool OnIdle(long count);

    // Operations
    // InitInstance, the message loop, ExitInstance.
    int Run();
    // Dispatches one message (after accelerators and the active view); false on WM_QUIT.
    bool PumpMessage();
    // Dispatches what is queued now and runs the idle work once; for tests and long loops.
    void PumpPending();

    // Attributes and set-up
    void AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    CDocTemplate* DocTemplate() const;
    void SetMainFrame(std::unique_ptr<CMDIFrame> frame);
    CMDIFrame* MainFrame() const { return mainFrame_.get(); }
    HWND MainWindow() const;
    void SetAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }

    ISettingsStore& Settings() { return *settings_; }
    // Puts the settings elsewhere (tests give an isolated key or memory).
    void UseSettingsStore(std::unique_ptr<ISettingsStore> store);
    RecentFileList& RecentFiles() { return recentFiles_; }
    // Reads the recent-file list of maxEntries entries from the settings store.
    void LoadRecentFiles(int maxEntries = RecentFileList::kDefaultSize);
    void AddToRecentFiles(const std::string& path);
    PrinterSettings& Printer() { return printer_; }

    // Documents
    CAppDocument* OpenDocumentFile(const std::string& path);
    CAppDocument* NewDocument();
    bool SaveAllModified();
    void CloseAllDocuments();
    // Opens or prints the command line's file; true when that (or nothing) was asked and done.
    bool ProcessShellCommand(const CommandLineInfo& info);
    // The command line of this process, read.
    static CommandLineInfo ProcessCommandLine();
    // Hands path to an instance already running; true when it took the request (this
    // instance may then end).
    static bool ForwardToRunningInstance(const std::string& path);
    // Registers the first template's type and extension with the shell, per user.
    bool RegisterShellFileTypes();

    // Commands of the application (also reachable as menu commands).
    void OnFileNew() { NewDocument(); }
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnRecentFile(unsigned id);

    // The filter of the Open dialog (fields separated by '|'); the template's type by default.
    void SetOpenFilter(const std::string& filter) { openFilter_ = filter; }

protected:
    // Prints path on the current printer without asking: opens it, prints its view, closes it.
    bool PrintDocumentFile(const std::string& path);

private:
    void RegisterCommands();
    bool PreTranslate(MSG& msg);
    void RunIdle();

    std::unique_ptr<ISettingsStore> settings_;
    std::vector<std::unique_ptr<CDocTemplate>> templates_;
    std::unique_ptr<CMDIFrame> mainFrame_;
    HACCEL accelerators_ = nullptr;
    RecentFileList recentFiles_;
    PrinterSettings printer_;
    std::string openFilter_;
};

// The application of this process, or null before one exists.
CApp* TheApp();

}  // namespace tw
