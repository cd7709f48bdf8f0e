#include "framework/win32/common_dialogs.h"

#include <winspool.h>

#include <vector>

#include "framework/document_type.h"

namespace tw {

namespace {

// Holds the texts an OPENFILENAMEA points to while the dialog runs.
struct FileDialogBuffers {
    std::string filter;
    std::vector<char> path;
};

OPENFILENAMEA FileDialogRecord(HWND owner, const FileDialogOptions& options,
                               FileDialogBuffers& buffers) {
    buffers.filter = FileDialogFilter(options.filter);
    buffers.path.assign(MAX_PATH * 4, '\0');
    options.fileName.copy(buffers.path.data(), buffers.path.size() - 1);
    OPENFILENAMEA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.lpstrFilter = options.filter.empty() ? nullptr : buffers.filter.c_str();
    record.nFilterIndex = 1;
    record.lpstrFile = buffers.path.data();
    record.nMaxFile = static_cast<DWORD>(buffers.path.size());
    record.lpstrInitialDir =
        options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
    record.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    record.lpstrDefExt =
        options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    record.Flags = options.flags | OFN_EXPLORER;
    return record;
}

}  // namespace

std::optional<std::string> AskOpenFileName(HWND owner, const FileDialogOptions& options) {
    FileDialogBuffers buffers;
    OPENFILENAMEA record = FileDialogRecord(owner, options, buffers);
    record.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!::GetOpenFileNameA(&record)) return std::nullopt;
    return std::string(buffers.path.data());
}

std::optional<std::string> AskSaveFileName(HWND owner, const FileDialogOptions& options) {
    FileDialogBuffers buffers;
    OPENFILENAMEA record = FileDialogRecord(owner, options, buffers);
    record.Flags |= OFN_PATHMUSTEXIST;
    if (!::GetSaveFileNameA(&record)) return std::nullopt;
    return std::string(buffers.path.data());
}

bool AskFont(HWND owner, LOGFONTA& font, int& pointTenths, DWORD flags) {
    CHOOSEFONTA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.lpLogFont = &font;
    record.Flags = flags | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontA(&record)) return false;
    pointTenths = record.iPointSize;
    return true;
}

PrinterSettings::~PrinterSettings() {
    if (devMode_ != nullptr) ::GlobalFree(devMode_);
    if (devNames_ != nullptr) ::GlobalFree(devNames_);
}

void PrinterSettings::TakeOver(HGLOBAL devMode, HGLOBAL devNames) {
    if (devMode != devMode_ && devMode_ != nullptr) ::GlobalFree(devMode_);
    if (devNames != devNames_ && devNames_ != nullptr) ::GlobalFree(devNames_);
    devMode_ = devMode;
    devNames_ = devNames;
}

HDC PrinterSettings::AskPrintDC(HWND owner, int minPage, int maxPage) {
    PRINTDLGA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.hDevMode = devMode_;
    record.hDevNames = devNames_;
    record.Flags = PD_RETURNDC | PD_NOSELECTION | (maxPage > 0 ? 0 : PD_NOPAGENUMS);
    record.nMinPage = static_cast<WORD>(minPage);
    record.nMaxPage = static_cast<WORD>(maxPage > 0 ? maxPage : minPage);
    record.nFromPage = record.nMinPage;
    record.nToPage = record.nMaxPage;
    BOOL ok = ::PrintDlgA(&record);
    TakeOver(record.hDevMode, record.hDevNames);
    return ok ? record.hDC : nullptr;
}

bool PrinterSettings::AskSetup(HWND owner) {
    PRINTDLGA record{};
    record.lStructSize = sizeof record;
    record.hwndOwner = owner;
    record.hDevMode = devMode_;
    record.hDevNames = devNames_;
    record.Flags = PD_PRINTSETUP;
    BOOL ok = ::PrintDlgA(&record);
    TakeOver(record.hDevMode, record.hDevNames);
    return ok != FALSE;
}

HDC PrinterSettings::CreatePrinterDC() const {
    if (devNames_ == nullptr) {
        char name[256];
        DWORD size = sizeof name;
        if (!::GetDefaultPrinterA(name, &size)) return nullptr;
        return ::CreateDCA("WINSPOOL", name, nullptr, nullptr);
    }
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(devNames_));
    auto* mode = devMode_ != nullptr ? static_cast<DEVMODEA*>(::GlobalLock(devMode_)) : nullptr;
    const char* base = reinterpret_cast<const char*>(names);
    HDC dc = ::CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset,
                         base + names->wOutputOffset, mode);
    if (mode != nullptr) ::GlobalUnlock(devMode_);
    ::GlobalUnlock(devNames_);
    return dc;
}

}  // namespace tw
