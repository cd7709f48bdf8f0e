// tallyw.exe: Tallywick, time tracking and billing.
#include <windows.h>

#include <cstdlib>

#include "app/win32/tallywick_app.h"
#include "framework/command_line.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const tw::CommandLineInfo command = tw::CApp::ProcessCommandLine();
    if (command.action == tw::StartAction::Open &&
        tw::CApp::ForwardToRunningInstance(command.fileName)) {
        return 0;
    }
    // TALLYWICK_SETTINGS_KEY puts the settings under another key below HKCU\Software (for
    // tests and for trying the program without touching one's own settings).
    const char* key = std::getenv("TALLYWICK_SETTINGS_KEY");
    tw::CTallywickApp app(key != nullptr && *key != '\0' ? key : tw::CTallywickApp::kSettingsKey);
    return app.Run();
}
