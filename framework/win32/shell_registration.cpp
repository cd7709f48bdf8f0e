#include "framework/win32/shell_registration.h"

#include <windows.h>

namespace tw {

namespace {

const char kClassesRoot[] = "Software\\Classes\\";

// Sets the default value of HKCU\Software\Classes\<path> to text.
bool SetDefaultValue(const std::string& path, const std::string& text) {
    HKEY key;
    std::string full = kClassesRoot + path;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, full.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG result =
        ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::string ShellOpenCommand(const std::string& exePath) { return Quoted(exePath) + " \"%1\""; }

std::string ShellPrintCommand(const std::string& exePath) { return Quoted(exePath) + " /p \"%1\""; }

bool RegisterShellFileType(const DocumentType& type, const std::string& exePath, int iconIndex) {
    if (type.extension.empty() || type.shellTypeId.empty()) return false;
    const std::string& id = type.shellTypeId;
    bool ok = SetDefaultValue(type.extension, id);
    ok = SetDefaultValue(id, type.shellTypeName) && ok;
    ok = SetDefaultValue(id + "\\DefaultIcon", exePath + "," + std::to_string(iconIndex)) && ok;
    ok = SetDefaultValue(id + "\\shell\\open\\command", ShellOpenCommand(exePath)) && ok;
    ok = SetDefaultValue(id + "\\shell\\print\\command", ShellPrintCommand(exePath)) && ok;
    return ok;
}

}  // namespace tw
