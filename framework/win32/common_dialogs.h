#pragma once
// The common dialogs: open and save file, font chooser, print and print setup.

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

namespace tw {

struct FileDialogOptions {
    std::string filter;            // fields separated by '|' ("Name|*.x|All|*.*||")
    std::string initialFolder;     // empty: the dialog's own choice
    std::string fileName;          // proposed file name
    std::string defaultExtension;  // without the dot; added when the user types none
    std::string title;             // empty: the dialog's own
    DWORD flags = OFN_HIDEREADONLY;
};

// The chosen path, or none when the user cancelled.
std::optional<std::string> AskOpenFileName(HWND owner, const FileDialogOptions& options);
std::optional<std::string> AskSaveFileName(HWND owner, const FileDialogOptions& options);

// The font chooser on font; true on OK with font and pointTenths (size in tenths of a point)
// taken from the choice.
bool AskFont(HWND owner, LOGFONTA& font, int& pointTenths, DWORD flags = CF_SCREENFONTS);

// The printer the program prints on: device mode and names as the print dialogs keep them.
class PrinterSettings {
public:
    PrinterSettings() = default;
    ~PrinterSettings();
    PrinterSettings(const PrinterSettings&) = delete;
    PrinterSettings& operator=(const PrinterSettings&) = delete;

    // The print dialog; on OK a device context of the chosen printer (the caller deletes it).
    HDC AskPrintDC(HWND owner, int minPage, int maxPage);
    // The print setup dialog; true on OK.
    bool AskSetup(HWND owner);
    // A device context of the current printer without asking, or null when there is none.
    HDC CreatePrinterDC() const;

private:
    void TakeOver(HGLOBAL devMode, HGLOBAL devNames);

    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

}  // namespace tw
