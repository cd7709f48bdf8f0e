#pragma once
// The per-user settings store: sections of keys holding strings or integers. The Win32 store
// keeps them in the registry; MemorySettings keeps them in memory for the command-line tool
// and for code that runs without the registry.

#include <map>
#include <string>
#include <utility>

namespace tw {

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored string, or fallback when the key is missing or holds no string.
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const = 0;
    // The stored integer, or fallback when the key is missing or holds no integer.
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) const = 0;
    // Each returns false when the value could not be stored.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
    // Removes one key; true when it is gone afterwards.
    virtual bool RemoveKey(const std::string& section, const std::string& key) = 0;
};

class MemorySettings : public ISettingsStore {
public:
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    bool RemoveKey(const std::string& section, const std::string& key) override;

private:
    struct Value {
        bool isInt;
        int number;
        std::string text;
    };
    const Value* Find(const std::string& section, const std::string& key) const;

    std::map<std::pair<std::string, std::string>, Value> values_;
};

}  // namespace tw
