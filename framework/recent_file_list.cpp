#include "framework/recent_file_list.h"

#include <algorithm>
#include <cctype>

namespace tw {

namespace {

const char kSection[] = "Recent File List";

std::string SlotKey(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

RecentFileList::RecentFileList(int maxEntries) : maxEntries_(std::max(1, maxEntries)) {}

std::string RecentFileList::At(int index) const {
    if (index < 0 || index >= Count()) return std::string();
    return paths_[static_cast<size_t>(index)];
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    paths_.erase(std::remove_if(paths_.begin(), paths_.end(),
                                [&](const std::string& p) { return SamePath(p, path); }),
                 paths_.end());
    paths_.insert(paths_.begin(), path);
    if (Count() > maxEntries_) paths_.resize(static_cast<size_t>(maxEntries_));
}

void RecentFileList::Remove(int index) {
    if (index < 0 || index >= Count()) return;
    paths_.erase(paths_.begin() + index);
}

void RecentFileList::Load(const ISettingsStore& store) {
    paths_.clear();
    for (int i = 0; i < maxEntries_; ++i) {
        std::string path = store.GetString(kSection, SlotKey(i), std::string());
        bool seen = std::any_of(paths_.begin(), paths_.end(),
                                [&](const std::string& p) { return SamePath(p, path); });
        if (!path.empty() && !seen) paths_.push_back(path);
    }
}

void RecentFileList::Save(ISettingsStore& store) const {
    for (int i = 0; i < maxEntries_; ++i) {
        if (i < Count()) {
            store.WriteString(kSection, SlotKey(i), paths_[static_cast<size_t>(i)]);
        } else {
            store.RemoveKey(kSection, SlotKey(i));
        }
    }
}

}  // namespace tw
