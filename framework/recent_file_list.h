#pragma once
// The recent-file list: the last few document paths, newest first, each path once (paths are
// compared without regard to case, as the file system does). Kept in the settings store,
// section "Recent File List", keys "File1" to "File<n>".

#include <string>
#include <vector>

#include "framework/settings.h"

namespace tw {

class RecentFileList {
public:
    static constexpr int kDefaultSize = 4;

    // Constructors
    explicit RecentFileList(int maxEntries = kDefaultSize);

    // Attributes
    int MaxEntries() const { return maxEntries_; }
    int Count() const { return static_cast<int>(paths_.size()); }
    // Entry index (0 newest), or an empty text when there is none.
    std::string At(int index) const;
    const std::vector<std::string>& Paths() const { return paths_; }

    // Operations
    // Puts path first, dropping an equal older entry and the oldest beyond the size.
    void Add(const std::string& path);
    // Removes entry index; nothing for an index out of range.
    void Remove(int index);

    // Reads the entries; empty values are skipped. Writes every slot, clearing the unused ones.
    void Load(const ISettingsStore& store);
    void Save(ISettingsStore& store) const;

private:
    int maxEntries_;
    std::vector<std::string> paths_;
};

// True when the two paths name the same file as far as case-blind comparison tells.
bool SamePath(const std::string& a, const std::string& b);

}  // namespace tw
