#include "framework/win32/settings_store.h"

#include <vector>

namespace tw {

namespace {

// An open registry key that closes itself.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_ != nullptr) ::RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Open(const std::string& path) {
        return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_) ==
               ERROR_SUCCESS;
    }
    bool Create(const std::string& path) {
        return ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                 &key_, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// Deletes path and its subkeys, deepest first (RegDeleteKey removes only leaves).
bool DeleteTree(HKEY parent, const std::string& path) {
    HKEY key;
    if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
        return true;
    }
    char name[256];
    for (;;) {
        DWORD size = sizeof name;
        if (::RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (!DeleteTree(key, name)) break;
    }
    ::RegCloseKey(key);
    return ::RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

}  // namespace

std::string RegistrySettingsStore::SectionPath(const std::string& section) const {
    std::string path = "Software\\" + keyPath_;
    return section.empty() ? path : path + "\\" + section;
}

std::string RegistrySettingsStore::GetString(const std::string& section, const std::string& key,
                                             const std::string& fallback) const {
    RegKey reg;
    if (!reg.Open(SectionPath(section))) return fallback;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(reg.Get(), key.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return fallback;
    }
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(reg.Get(), key.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return fallback;
    }
    return std::string(buffer.data());
}

int RegistrySettingsStore::GetInt(const std::string& section, const std::string& key,
                                  int fallback) const {
    RegKey reg;
    if (!reg.Open(SectionPath(section))) return fallback;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(reg.Get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return fallback;
    }
    return static_cast<int>(value);
}

bool RegistrySettingsStore::WriteValue(const std::string& section, const std::string& key,
                                       DWORD type, const BYTE* data, DWORD size) {
    RegKey reg;
    if (!reg.Create(SectionPath(section))) return false;
    return ::RegSetValueExA(reg.Get(), key.c_str(), 0, type, data, size) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::WriteString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    return WriteValue(section, key, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                      static_cast<DWORD>(value.size() + 1));
}

bool RegistrySettingsStore::WriteInt(const std::string& section, const std::string& key,
                                     int value) {
    DWORD data = static_cast<DWORD>(value);
    return WriteValue(section, key, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

bool RegistrySettingsStore::RemoveKey(const std::string& section, const std::string& key) {
    HKEY reg;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_WRITE, &reg) !=
        ERROR_SUCCESS) {
        return true;
    }
    LONG result = ::RegDeleteValueA(reg, key.c_str());
    ::RegCloseKey(reg);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistrySettingsStore::DeleteAll() {
    return DeleteTree(HKEY_CURRENT_USER, "Software\\" + keyPath_);
}

}  // namespace tw
