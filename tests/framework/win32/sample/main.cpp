// The framework's sample program: a small MDI application on every framework service.
#include <windows.h>

#include "sample_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tw::CommandLineInfo command = tw::CApp::ProcessCommandLine();
    if (command.action == tw::StartAction::Open &&
        tw::CApp::ForwardToRunningInstance(command.fileName)) {
        return 0;
    }
    tw::sample::CSampleApp app("Tallywick\\FrameworkSample", true);
    return app.Run();
}
