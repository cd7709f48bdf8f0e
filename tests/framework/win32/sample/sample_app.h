#pragma once
// The sample application: everything the framework offers, wired as the program will wire it.

#include <string>

#include "framework/win32/app.h"
#include "sample_dialogs.h"

namespace tw::sample {

class CSampleApp : public CApp {
public:
    // keyPath below HKCU\Software; openTwoNew: start with two new documents when the command
    // line names no file.
    CSampleApp(const std::string& keyPath, bool openTwoNew);

    bool InitInstance() override;
    // After start-up, open the print preview of the active document.
    void StartInPreview() { startInPreview_ = true; }

    SamplePreferences preferences;
    LOGFONTA font{};

private:
    void RegisterSampleCommands();
    void RestorePlacement() const;
    void OnAbout();
    void OnOptions();
    void OnFont();
    void OnRecount();

    bool openTwoNew_;
    bool startInPreview_ = false;
};

}  // namespace tw::sample
