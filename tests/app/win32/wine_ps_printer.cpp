#include "tests/app/win32/wine_ps_printer.h"

#include <winspool.h>

#include <cstdio>
#include <vector>

namespace tw::test {

namespace {

constexpr const char* kPort = "LPT1:";

// Wine's winspool keeps a generic PPD as resource 1 of type PPDFILE; its text ends at a zero.
bool WriteGenericPpd(const std::string& path) {
    HMODULE winspool = ::GetModuleHandleA("winspool.drv");
    if (winspool == nullptr) winspool = ::LoadLibraryA("winspool.drv");
    HRSRC resource =
        winspool != nullptr ? ::FindResourceA(winspool, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    if (resource == nullptr) return false;
    const char* text = static_cast<const char*>(::LockResource(::LoadResource(winspool, resource)));
    DWORD size = ::SizeofResource(winspool, resource);
    if (text == nullptr) return false;
    for (DWORD i = 0; i < size; ++i)
        if (text[i] == '\0') size = i;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(text, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

std::string DriverFolder() {
    char folder[MAX_PATH] = "";
    DWORD needed = 0;
    if (!::GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                      sizeof folder, &needed))
        return std::string();
    return std::string(folder) + "\\3";
}

bool InstallDriver(std::string& why) {
    const std::string folder = DriverFolder();
    const std::string ppd = folder + "\\tallywick.ppd";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    if (!WriteGenericPpd(ppd)) {
        why = "no generic PPD in winspool.drv (not Wine?)";
        return false;
    }
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(WinePostScriptPrinter::kName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(ppd.c_str());
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDefaultDataType = const_cast<char*>("RAW");
    if (::AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) ||
        ::GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
        return true;
    why = "AddPrinterDriverEx failed with " + std::to_string(::GetLastError());
    return false;
}

bool PrinterExists() {
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(WinePostScriptPrinter::kName), &printer, nullptr))
        return false;
    ::ClosePrinter(printer);
    return true;
}

bool AddThePrinter(std::string& why) {
    PRINTER_INFO_2A info{};
    info.pPrinterName = const_cast<char*>(WinePostScriptPrinter::kName);
    info.pPortName = const_cast<char*>(kPort);
    info.pDriverName = const_cast<char*>(WinePostScriptPrinter::kName);
    info.pPrintProcessor = const_cast<char*>("winprint");  // passes the driver's RAW PostScript
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr) {
        why = "AddPrinter failed with " + std::to_string(::GetLastError());
        return false;
    }
    ::ClosePrinter(printer);
    return true;
}

bool SendPortTo(const std::string& unixPath) {
    HKEY key = nullptr;
    if (::RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\Printing\\Spooler", &key) !=
        ERROR_SUCCESS)
        return false;
    const LONG status =
        ::RegSetValueExA(key, kPort, 0, REG_SZ, reinterpret_cast<const BYTE*>(unixPath.c_str()),
                         static_cast<DWORD>(unixPath.size() + 1));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

std::string UnixPathOf(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    // Through a generic function pointer: the export's real type is not FARPROC's.
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) return std::string();
    std::vector<WCHAR> wide(windowsPath.size() + 1);
    ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(),
                          static_cast<int>(wide.size()));
    char* unix = toUnix(wide.data());
    if (unix == nullptr) return std::string();
    std::string path(unix);
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return path;
}

bool WinePostScriptPrinter::Install(const std::string& windowsPath, std::string& why) {
    const std::string unixPath = UnixPathOf(windowsPath);
    if (unixPath.empty()) {
        why = "not under Wine: no wine_get_unix_file_name";
        return false;
    }
    if (!PrinterExists() && (!InstallDriver(why) || !AddThePrinter(why))) return false;
    if (!SendPortTo(unixPath)) {
        why = "cannot write the spooler's port setting";
        return false;
    }
    return true;
}

HDC WinePostScriptPrinter::CreateDC() const {
    return ::CreateDCA("WINSPOOL", kName, nullptr, nullptr);
}

}  // namespace tw::test
