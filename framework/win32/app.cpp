#include "framework/win32/app.h"

#include <commctrl.h>

#include "framework/command_ids.h"
#include "framework/win32/child_frame.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/message_box.h"
#include "framework/win32/settings_store.h"
#include "framework/win32/shell_registration.h"
#include "framework/win32/view.h"

namespace tw {

namespace {

CApp* theApp = nullptr;

MessageBoxPrompter& DefaultPrompter() {
    static MessageBoxPrompter prompter("Tallywick");
    return prompter;
}

}  // namespace

CApp* TheApp() { return theApp; }

CApp::CApp(const std::string& settingsKeyPath)
    : settings_(std::make_unique<RegistrySettingsStore>(settingsKeyPath)) {
    theApp = this;
    SetDefaultPrompter(&DefaultPrompter());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    RegisterCommands();
}

CApp::~CApp() {
    CloseAllDocuments();
    if (mainFrame_ && mainFrame_->IsWindow()) mainFrame_->Destroy();
    mainFrame_.reset();
    templates_.clear();
    if (theApp == this) theApp = nullptr;
}

void CApp::RegisterCommands() {
    OnCommand(kCmdFileNew, [this] { OnFileNew(); });
    OnCommand(kCmdFileOpen, [this] { OnFileOpen(); });
    OnCommand(kCmdFilePrintSetup, [this] { OnFilePrintSetup(); });
    OnCommand(kCmdAppExit, [this] {
        if (MainWindow() != nullptr) ::PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    });
    OnCommandRange(kCmdFileMru1, kCmdFileMru1 + RecentFileList::kDefaultSize - 1,
                   [this](unsigned id) { OnRecentFile(id); });
    OnUpdateCommand(kCmdFileMru1, [this](CommandState& s) { s.Enable(recentFiles_.Count() > 0); });
}

int CApp::ExitInstance() {
    recentFiles_.Save(*settings_);
    return 0;
}

bool CApp::OnIdle(long count) {
    if (count == 0 && mainFrame_ && mainFrame_->IsWindow()) mainFrame_->UpdateIdleState();
    return false;
}

bool CApp::PreTranslate(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !mainFrame_) return false;
    if (mainFrame_->MdiClient() != nullptr &&
        ::TranslateMDISysAccel(mainFrame_->MdiClient(), &msg)) {
        return true;
    }
    if (accelerators_ != nullptr && mainFrame_->Preview() == nullptr &&
        ::TranslateAcceleratorA(mainFrame_->Handle(), accelerators_, &msg)) {
        return true;
    }
    CView* view = mainFrame_->ActiveView();
    return view != nullptr && view->PreTranslateMessage(msg);
}

bool CApp::PumpMessage() {
    MSG msg;
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    if (!PreTranslate(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

void CApp::RunIdle() {
    MSG msg;
    for (long count = 0; !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++count) {
        if (!OnIdle(count)) break;
    }
}

void CApp::PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    OnIdle(0);
}

int CApp::Run() {
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    for (;;) {
        RunIdle();
        if (!PumpMessage()) break;
    }
    return ExitInstance();
}

void CApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
    if (docTemplate) templates_.push_back(std::move(docTemplate));
}

CDocTemplate* CApp::DocTemplate() const {
    return templates_.empty() ? nullptr : templates_.front().get();
}

void CApp::SetMainFrame(std::unique_ptr<CMDIFrame> frame) { mainFrame_ = std::move(frame); }

HWND CApp::MainWindow() const { return mainFrame_ ? mainFrame_->Handle() : nullptr; }

void CApp::UseSettingsStore(std::unique_ptr<ISettingsStore> store) {
    if (store) settings_ = std::move(store);
}

void CApp::LoadRecentFiles(int maxEntries) {
    recentFiles_ = RecentFileList(maxEntries);
    recentFiles_.Load(*settings_);
}

void CApp::AddToRecentFiles(const std::string& path) { recentFiles_.Add(path); }

CAppDocument* CApp::OpenDocumentFile(const std::string& path) {
    if (DocTemplate() == nullptr || !mainFrame_) return nullptr;
    CAppDocument* doc = DocTemplate()->OpenDocumentFile(*mainFrame_, path);
    if (doc == nullptr && !path.empty()) {
        // An entry that no longer opens leaves the list.
        for (int i = 0; i < recentFiles_.Count(); ++i) {
            if (SamePath(recentFiles_.At(i), path)) recentFiles_.Remove(i);
        }
    }
    return doc;
}

CAppDocument* CApp::NewDocument() { return OpenDocumentFile(std::string()); }

bool CApp::SaveAllModified() {
    for (const auto& t : templates_) {
        if (!t->SaveAllModified()) return false;
    }
    return true;
}

void CApp::CloseAllDocuments() {
    for (const auto& t : templates_) t->CloseAllDocuments();
}

void CApp::OnFileOpen() {
    FileDialogOptions options;
    options.filter = openFilter_;
    if (options.filter.empty() && DocTemplate() != nullptr) {
        const DocumentType& type = DocTemplate()->Type();
        options.filter = type.filterName + "|*" + type.extension + "|";
    }
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::optional<std::string> path = AskOpenFileName(MainWindow(), options);
    if (path) OpenDocumentFile(*path);
}

void CApp::OnFilePrintSetup() { printer_.AskSetup(MainWindow()); }

void CApp::OnRecentFile(unsigned id) {
    std::string path = recentFiles_.At(static_cast<int>(id - kCmdFileMru1));
    if (!path.empty()) OpenDocumentFile(path);
}

bool CApp::PrintDocumentFile(const std::string& path) {
    CAppDocument* doc = OpenDocumentFile(path);
    if (doc == nullptr || doc->Views().empty()) return false;
    bool printed = doc->Views().front()->FilePrint(true);
    doc->OnCloseDocument();
    return printed;
}

bool CApp::ProcessShellCommand(const CommandLineInfo& info) {
    switch (info.action) {
        case StartAction::Open: return OpenDocumentFile(info.fileName) != nullptr;
        case StartAction::Print: return PrintDocumentFile(info.fileName);
        case StartAction::None:
        case StartAction::ShellRequest: break;
    }
    return true;
}

CommandLineInfo CApp::ProcessCommandLine() {
    const char* line = ::GetCommandLineA();
    std::vector<std::string> args = SplitCommandLine(line != nullptr ? line : "");
    if (!args.empty()) args.erase(args.begin());  // the program itself
    return ParseCommandLine(args);
}

bool CApp::RegisterShellFileTypes() {
    if (DocTemplate() == nullptr) return false;
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    return RegisterShellFileType(DocTemplate()->Type(), exe, 1);
}

bool CApp::ForwardToRunningInstance(const std::string& path) {
    HWND running = ::FindWindowA(kMainFrameClass, nullptr);
    if (running == nullptr || path.empty()) return false;
    COPYDATASTRUCT data{kOpenRequestData, static_cast<DWORD>(path.size() + 1),
                        const_cast<char*>(path.c_str())};
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 5000, &result)) {
        return false;
    }
    ::SetForegroundWindow(running);
    return result != 0;
}

}  // namespace tw
