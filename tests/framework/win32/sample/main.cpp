// The framework's sample program: a small MDI application on every framework service.
#include <windows.h>

#include <cstring>

#include "sample_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tw::CommandLineInfo command = tw::CApp::ProcessCommandLine();
    if (command.action == tw::StartAction::Open &&
        tw::CApp::ForwardToRunningInstance(command.fileName)) {
        return 0;
    }
    tw::sample::CSampleApp app("Tallywick\\FrameworkSample", true);
    // "/preview": start in the print preview of the active document (for the screenshots).
    if (std::strstr(::GetCommandLineA(), " /preview") != nullptr) app.StartInPreview();
    return app.Run();
}
