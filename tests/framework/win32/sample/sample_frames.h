#pragma once
// The sample's frames: the main frame with its bars (visibility kept in the settings) and the
// document window with its own tool bar and a system-menu command.

#include "framework/win32/child_frame.h"
#include "framework/win32/mdi_frame.h"

namespace tw::sample {

class CSampleMainFrame : public CMDIFrame {
public:
    ~CSampleMainFrame() override;

private:
    HICON icon_ = nullptr;

protected:
    bool OnCreate() override;
    bool OnClose() override;
    void OnDestroy() override;
};

class CSampleChild : public CMDIChild {
public:
    CSampleChild();
    ~CSampleChild() override;
    int starts = 0;  // times the system menu's "Start" ran

protected:
    bool OnCreate() override;
    bool OnSystemCommand(UINT id) override;

private:
    HICON icon_ = nullptr;
};

// The settings of the sample's window placement and bars.
inline constexpr const char* kSampleSection = "Sample";

}  // namespace tw::sample
