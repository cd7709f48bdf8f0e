#include "tests/app/win32/program_fixture.h"

#include "framework/command_line.h"
#include "framework/win32/doc_template.h"
#include "framework/win32/document.h"
#include "framework/win32/mdi_frame.h"
#include "framework/win32/settings_store.h"

namespace tw::test {

namespace {

constexpr const char* kKeyPath = "TallywickTests\\Program";

std::string RepoFile(const std::string& relative) {
    std::string here = __FILE__;
    const size_t tests = here.rfind("tests");
    return here.substr(0, tests) + relative;
}

// The grid by its class and control id, as a user's tools find it.
BOOL CALLBACK FindGrid(HWND w, LPARAM found) {
    char name[32] = {};
    ::GetClassNameA(w, name, sizeof name);
    if (lstrcmpiA(name, "DataTbl32") != 0 || ::GetDlgCtrlID(w) != 197) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

}  // namespace

ProgramTest::ProgramTest() : key_(kKeyPath) {
    RegistrySettingsStore(key_).DeleteAll();
    settings_ = std::make_unique<RegistrySettingsStore>(key_);
    scopedPrompter_ = std::make_unique<ScopedPrompter>(prompter_);
}

ProgramTest::~ProgramTest() {
    if (app_ && app_->MainWindow() != nullptr && ::IsWindow(app_->MainWindow())) Close();
    app_.reset();
    RegistrySettingsStore(key_).DeleteAll();
}

ISettingsStore& ProgramTest::Settings() { return *settings_; }

bool ProgramTest::Start(const std::vector<std::string>& args) {
    app_ = std::make_unique<CTallywickApp>(key_);
    app_->SetCommandLine(ParseCommandLine(args));
    app_->SetLibraryNames(gridLibrary_, "tarn32.dll");
    const bool started = app_->InitInstance();
    Platform().clock = &clock_;
    app_->PumpPending();
    return started;
}

void ProgramTest::Close() {
    // Leave changes unsaved: no question, and no file dialog for an untitled document.
    if (app_->DocTemplate() != nullptr) {
        for (const auto& doc : app_->DocTemplate()->Documents()) doc->SetModifiedFlag(false);
    }
    prompter_.answers.assign(16, PromptAnswer::No);
    ::SendMessageA(Main(), WM_CLOSE, 0, 0);
    if (::IsWindow(Main())) ::DestroyWindow(Main());
    app_->PumpPending();
    app_->ExitInstance();
}

HWND ProgramTest::Main() const { return app_ ? app_->MainWindow() : nullptr; }

HWND ProgramTest::MdiClient() const {
    return ::FindWindowExA(Main(), nullptr, "MDIClient", nullptr);
}

std::vector<HWND> ProgramTest::DocumentWindows() const {
    std::vector<HWND> windows;
    for (HWND w = ::GetWindow(MdiClient(), GW_CHILD); w != nullptr;
         w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetWindow(w, GW_OWNER) == nullptr) windows.push_back(w);
    }
    return windows;
}

HWND ProgramTest::Grid(HWND child) const {
    if (child == nullptr) {
        child = reinterpret_cast<HWND>(::SendMessageA(MdiClient(), WM_MDIGETACTIVE, 0, 0));
    }
    HWND found = nullptr;
    ::EnumChildWindows(child, FindGrid, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string ProgramTest::StaticText(int id, HWND child) const {
    HWND grid = Grid(child);
    HWND item = grid ? ::GetDlgItem(::GetParent(grid), id) : nullptr;
    char text[256] = {};
    if (item != nullptr) ::GetWindowTextA(item, text, sizeof text);
    return text;
}

void ProgramTest::Command(unsigned id) {
    ::SendMessageA(Main(), WM_COMMAND, id, 0);
    app_->PumpPending();
}

std::string ProgramTest::CellText(int row, int column, HWND child) const {
    HWND grid = Grid(child);
    if (::SendMessageA(grid, grid::kSetCurrentCell, column, row) < 0) return "<no cell>";
    char text[1024] = {};
    if (::SendMessageA(grid, grid::kReadCell, sizeof text, reinterpret_cast<LPARAM>(text)) != 0) {
        return "<unreadable>";
    }
    return text;
}

long ProgramTest::RowCount(HWND child) const {
    return static_cast<long>(::SendMessageA(Grid(child), grid::kGetRowCount, 0, 0));
}

std::string ProgramTest::TempPath(const std::string& name) const {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

std::string ProgramTest::SampleCopy(const std::string& name) const {
    const std::string path = TempPath(name);
    ::CopyFileA(RepoFile("samples/consulting.tw").c_str(), path.c_str(), FALSE);
    return path;
}

}  // namespace tw::test
