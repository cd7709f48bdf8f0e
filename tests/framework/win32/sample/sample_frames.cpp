#include "sample_frames.h"

#include "framework/command_ids.h"
#include "framework/win32/app.h"
#include "sample_resources.h"
#include "toolbar_art.h"

namespace tw::sample {

namespace {

bool ReadFlag(const char* key) {
    return TheApp()->Settings().GetString(kSampleSection, key, "TRUE") != "FALSE";
}

void WriteFlag(const char* key, bool on) {
    TheApp()->Settings().WriteString(kSampleSection, key, on ? "TRUE" : "FALSE");
}

}  // namespace

CSampleMainFrame::~CSampleMainFrame() {
    if (icon_ != nullptr) ::DestroyIcon(icon_);
}

bool CSampleMainFrame::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {kCmdFileNew,
                       kCmdFileOpen,
                       kCmdFileSave,
                       0,
                       kCmdEditCut,
                       kCmdEditCopy,
                       kCmdEditPaste,
                       0,
                       kCmdFilePrint,
                       kCmdFilePrintPreview,
                       0,
                       kCmdAppAbout};
    layout.images =
        DrawToolBarImages({Glyph::New, Glyph::Open, Glyph::Save, Glyph::Cut, Glyph::Copy,
                           Glyph::Paste, Glyph::Print, Glyph::Preview, Glyph::About},
                          SIZE{16, 15});
    if (!ToolBar().Create(Handle(), kToolBarId, layout)) return false;
    if (!StatusBar().Create(Handle(), kStatusBarId,
                            {kIndicatorCaps, kIndicatorNum, kIndicatorScroll})) {
        return false;
    }
    if (!ReadFlag("ToolBarVisible")) ToolBar().Show(SW_HIDE);
    if (!ReadFlag("StatusBarVisible")) StatusBar().Show(SW_HIDE);
    icon_ = DrawDocumentIcon(RGB(0, 0, 160));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    return true;
}

bool CSampleMainFrame::OnClose() {
    if (!CMDIFrame::OnClose()) return false;
    WriteFlag("ToolBarVisible", ToolBar().IsVisible());
    WriteFlag("StatusBarVisible", StatusBar().IsVisible());
    return true;
}

void CSampleMainFrame::OnDestroy() {
    WINDOWPLACEMENT placement = Placement();
    ISettingsStore& settings = TheApp()->Settings();
    settings.WriteInt(kSampleSection, "showCmd", static_cast<int>(placement.showCmd));
    settings.WriteInt(kSampleSection, "left", placement.rcNormalPosition.left);
    settings.WriteInt(kSampleSection, "top", placement.rcNormalPosition.top);
    settings.WriteInt(kSampleSection, "right", placement.rcNormalPosition.right);
    settings.WriteInt(kSampleSection, "bottom", placement.rcNormalPosition.bottom);
}

CSampleChild::CSampleChild() {
    OnCommand(ID_SAMPLE_START, [this] { ++starts; });
}

CSampleChild::~CSampleChild() {
    if (icon_ != nullptr) ::DestroyIcon(icon_);
}

bool CSampleChild::OnCreate() {
    ToolBarLayout layout;
    layout.commands = {ID_SAMPLE_PIN,     ID_SAMPLE_COUNT,       0,
                       ID_SAMPLE_OPTIONS, ID_SAMPLE_PREFERENCES, 0,
                       kCmdFilePrint};
    layout.images = DrawToolBarImages(
        {Glyph::Pin, Glyph::Count, Glyph::Options, Glyph::Preferences, Glyph::Print}, SIZE{22, 22});
    layout.imageSize = SIZE{22, 22};
    layout.buttonSize = SIZE{29, 28};
    if (!ToolBar().Create(Handle(), 1, layout)) return false;
    ToolBar().SetCheckButtons({ID_SAMPLE_PIN});
    AppendSystemMenuItem(0, "");
    AppendSystemMenuItem(ID_SAMPLE_START, "Start");
    icon_ = DrawDocumentIcon(RGB(0, 140, 60));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    RecalcLayout();
    return true;
}

bool CSampleChild::OnSystemCommand(UINT id) { return id == ID_SAMPLE_START && HandleCommand(id); }

}  // namespace tw::sample
