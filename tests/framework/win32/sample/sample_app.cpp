#include "sample_app.h"

#include "framework/command_ids.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/message_box.h"
#include "framework/win32/wait_cursor.h"
#include "sample_doc.h"
#include "sample_frames.h"
#include "sample_resources.h"
#include "sample_view.h"

namespace tw::sample {

CSampleApp::CSampleApp(const std::string& keyPath, bool openTwoNew)
    : CApp(keyPath), openTwoNew_(openTwoNew) {
    lstrcpyA(font.lfFaceName, "Courier New");
    font.lfHeight = -13;
    RegisterSampleCommands();
}

void CSampleApp::RegisterSampleCommands() {
    OnCommand(kCmdAppAbout, [this] { OnAbout(); });
    OnCommand(ID_SAMPLE_OPTIONS, [this] { OnOptions(); });
    OnCommand(ID_SAMPLE_PREFERENCES, [this] { EditPreferences(preferences); });
    OnCommand(ID_SAMPLE_FONT, [this] { OnFont(); });
    OnCommand(ID_SAMPLE_RECOUNT, [this] { OnRecount(); });
}

bool CSampleApp::InitInstance() {
    LoadRecentFiles(4);
    AddDocTemplate(CDocTemplate::Make<CSampleDoc, CSampleChild, CSampleView>(IDR_SAMPLEDOC));
    SetOpenFilter(LoadResourceString(IDS_OPEN_FILTER));
    auto frame = std::make_unique<CSampleMainFrame>();
    HMENU menu = ::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!frame->Create(LoadResourceString(IDR_MAINFRAME), menu, nullptr)) return false;
    SetMainFrame(std::move(frame));
    SetAccelerators(::LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    RegisterShellFileTypes();
    RestorePlacement();

    CommandLineInfo command = ProcessCommandLine();
    if (command.action != StartAction::None) {
        ProcessShellCommand(command);                 // a failure has told the user already
        return command.action != StartAction::Print;  // printing from the shell ends the program
    }
    if (openTwoNew_) {
        NewDocument();
        NewDocument();
        ::SendMessageA(MainFrame()->MdiClient(), WM_MDITILE, MDITILE_VERTICAL, 0);
    }
    if (startInPreview_) ::PostMessageA(MainWindow(), WM_COMMAND, kCmdFilePrintPreview, 0);
    return true;
}

void CSampleApp::RestorePlacement() const {
    ISettingsStore& settings = const_cast<CSampleApp*>(this)->Settings();
    RECT rc{settings.GetInt(kSampleSection, "left", 0), settings.GetInt(kSampleSection, "top", 0),
            settings.GetInt(kSampleSection, "right", 0),
            settings.GetInt(kSampleSection, "bottom", 0)};
    if (rc.right <= rc.left || rc.bottom <= rc.top) {
        ::SetWindowPos(MainWindow(), nullptr, 0, 0, 900, 640, SWP_NOZORDER);
        ::ShowWindow(MainWindow(), SW_SHOW);
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.showCmd =
        static_cast<UINT>(settings.GetInt(kSampleSection, "showCmd", SW_SHOWNORMAL));
    placement.rcNormalPosition = rc;
    placement.ptMinPosition = POINT{-1, -1};
    placement.ptMaxPosition = POINT{-1, -1};
    MainFrame()->SetPlacement(placement);
}

void CSampleApp::OnAbout() {
    size_t open = DocTemplate() != nullptr ? DocTemplate()->Documents().size() : 0;
    TellResource(IDS_ABOUT, {std::to_string(open)}, PromptIcon::Information);
}

void CSampleApp::OnOptions() {
    auto* doc = dynamic_cast<CSampleDoc*>(MainFrame()->ActiveDocument());
    if (doc == nullptr) return;
    COptionsDialog dialog;
    dialog.linesPerPage = doc->linesPerPage;
    dialog.title = doc->GetTitle();
    if (dialog.DoModal() != IDOK) return;
    doc->linesPerPage = dialog.linesPerPage;
    doc->ChangeTitle(dialog.title);
    doc->SetModifiedFlag();
    doc->UpdateAllViews(nullptr);
}

void CSampleApp::OnFont() {
    int tenths = 0;
    if (!AskFont(MainWindow(), font, tenths)) return;
    MainFrame()->StatusBar().SetMessage(std::string(font.lfFaceName) + ", " +
                                        std::to_string(tenths / 10) + " point");
}

void CSampleApp::OnRecount() {
    CWaitCursor wait;
    auto* doc = dynamic_cast<CSampleDoc*>(MainFrame()->ActiveDocument());
    if (doc == nullptr) return;
    int total = 0;
    for (char c : doc->notes) total += c == '\n' ? 1 : 0;
    doc->count = total;
    doc->UpdateAllViews(nullptr);
}

}  // namespace tw::sample
