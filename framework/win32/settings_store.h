#pragma once
// The per-user settings store in the registry: HKEY_CURRENT_USER\Software\<key path>\<section>
// with one value per key, strings as REG_SZ and integers as REG_DWORD. Tests give it a key
// path of their own and remove that key afterwards.

#include <windows.h>

#include <string>

#include "framework/settings.h"

namespace tw {

class RegistrySettingsStore : public ISettingsStore {
public:
    // keyPath below HKCU\Software, e.g. "Tallywick\Tallywick".
    explicit RegistrySettingsStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

    const std::string& KeyPath() const { return keyPath_; }

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    bool RemoveKey(const std::string& section, const std::string& key) override;

    // Deletes the whole key path with everything below it.
    bool DeleteAll();

private:
    std::string SectionPath(const std::string& section) const;
    bool WriteValue(const std::string& section, const std::string& key, DWORD type,
                    const BYTE* data, DWORD size);

    std::string keyPath_;
};

}  // namespace tw
