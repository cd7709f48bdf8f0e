// tallyw_scene_driver.exe SCENE SAMPLE: starts tallyw.exe (beside this program's folder) and puts
// it into a scene for a screenshot, driving it from outside as a user's tools do: menu commands as
// WM_COMMAND to the main frame, open requests as WM_COPYDATA, keys to its menus. Scenes:
//   two      two documents side by side, the second with its clock running
//   compact  one document window compacted to its totals strip
//   sysmenu  the main window's system menu with a document's popup open
#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr ULONG_PTR kOpenRequest = 0x54574F50;
constexpr WPARAM kTileVertically = 57651;
constexpr WPARAM kStartStop = 32773;
constexpr WPARAM kCompactRestore = 118;

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

std::string CopyOf(const std::string& sample, const char* name) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const std::string copy = std::string(temp) + name;
    ::CopyFileA(sample.c_str(), copy.c_str(), FALSE);
    return copy;
}

HWND g_main = nullptr;

// Starts the program on `file` and waits until its main window is shown.
bool StartProgram(const std::string& program, const std::string& file, PROCESS_INFORMATION& pi) {
    std::string line = "\"" + program + "\" \"" + file + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                          Folder(program).c_str(), &si, &pi)) {
        std::fprintf(stderr, "tallyw_scenes: cannot start %s (%lu)\n", program.c_str(),
                     ::GetLastError());
        return false;
    }
    for (int attempt = 0; attempt < 600; ++attempt) {
        g_main = ::FindWindowA("TwMdiFrame", nullptr);
        if (g_main != nullptr && ::IsWindowVisible(g_main)) break;
        g_main = nullptr;
        if (::WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0) break;
    }
    if (g_main == nullptr) {
        DWORD code = 0;
        ::GetExitCodeProcess(pi.hProcess, &code);
        std::fprintf(stderr, "tallyw_scenes: no main window (program status %lu)\n", code);
    }
    return g_main != nullptr;
}

void Open(const std::string& file) {
    COPYDATASTRUCT data{kOpenRequest, static_cast<DWORD>(file.size() + 1),
                        const_cast<char*>(file.c_str())};
    ::SendMessageA(g_main, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

// Returns once the program has handled everything sent and posted to it before.
void Settle() {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(g_main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

void Command(WPARAM id) { ::SendMessageA(g_main, WM_COMMAND, id, 0); }

void Key(WPARAM key) {
    ::PostMessageA(g_main, WM_KEYDOWN, key, 0);
    ::PostMessageA(g_main, WM_KEYUP, key, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    // Settings of the scenes' own, empty at each start, so that no stored window placement of
    // an earlier run changes the picture.
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\TallywickScenes\\Driver");
    ::SetEnvironmentVariableA("TALLYWICK_SETTINGS_KEY", "TallywickScenes\\Driver");
    const std::string scene = argv[1];
    const std::string sample = argv[2];
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string program = Folder(self) + "..\\..\\..\\app\\tallyw.exe";
    PROCESS_INFORMATION pi{};
    if (!StartProgram(program, CopyOf(sample, "Consulting.tw"), pi)) return 1;
    Settle();
    if (scene == "two" || scene == "sysmenu") {
        Open(CopyOf(sample, "Design work.tw"));
        Command(kTileVertically);
        if (scene == "two") Command(kStartStop);
    }
    if (scene == "compact") Command(kCompactRestore);
    if (scene == "sysmenu") {
        // The menu loop opens the system menu on its own key first; the keys then move to its
        // last item (the document's popup) and open it.
        ::SetForegroundWindow(g_main);
        ::PostMessageA(g_main, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        Settle();
        Key(VK_UP);
        Settle();
        Key(VK_RIGHT);
    }
    Settle();
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return 0;
}
