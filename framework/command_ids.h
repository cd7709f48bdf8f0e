#pragma once
// Command and control ids the framework itself knows. The numbers are the platform's usual
// ones, so menus and tool bars of resource scripts can name them directly.

namespace tw {

enum : unsigned {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdFilePrintSetup = 57606,
    kCmdFilePrint = 57607,
    kCmdFilePrintPreview = 57609,
    kCmdFileMru1 = 57616,  // first of the recent-file entries, one id per entry
    kCmdEditClear = 57632,
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditPaste = 57637,
    kCmdEditUndo = 57643,
    kCmdWindowArrange = 57649,
    kCmdWindowCascade = 57650,
    kCmdWindowTileHorz = 57651,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdHelpContents = 57666,
    kCmdViewToolBar = 59392,
    kCmdViewStatusBar = 59393,
};

// Status bar indicator panes: their ids double as the ids of their texts.
enum : unsigned {
    kIndicatorCaps = 59137,
    kIndicatorNum = 59138,
    kIndicatorScroll = 59139,
};

// Child window ids of the frame's bars.
enum : unsigned {
    kToolBarId = 59392,
    kStatusBarId = 59393,
    kMdiClientId = 59648,
    kFirstMdiChildId = 65280,
};

}  // namespace tw
