#include "framework/settings.h"

namespace tw {

const MemorySettings::Value* MemorySettings::Find(const std::string& section,
                                                  const std::string& key) const {
    auto it = values_.find({section, key});
    return it == values_.end() ? nullptr : &it->second;
}

std::string MemorySettings::GetString(const std::string& section, const std::string& key,
                                      const std::string& fallback) const {
    const Value* value = Find(section, key);
    return value != nullptr && !value->isInt ? value->text : fallback;
}

int MemorySettings::GetInt(const std::string& section, const std::string& key, int fallback) const {
    const Value* value = Find(section, key);
    return value != nullptr && value->isInt ? value->number : fallback;
}

bool MemorySettings::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    values_[{section, key}] = Value{false, 0, value};
    return true;
}

bool MemorySettings::WriteInt(const std::string& section, const std::string& key, int value) {
    values_[{section, key}] = Value{true, value, std::string()};
    return true;
}

bool MemorySettings::RemoveKey(const std::string& section, const std::string& key) {
    values_.erase({section, key});
    return true;
}

}  // namespace tw
