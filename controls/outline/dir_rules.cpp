// Rules of the directory listing (see dir_rules.h).

#include "controls/outline/dir_rules.h"

#include <initializer_list>

#include "controls/outline/outline_search.h"

namespace tw {

namespace {

constexpr uint32_t kListedAttributes =
    kDirReadOnly | kDirHidden | kDirSystem | kDirDirectory | kDirArchive;

bool HasExtension(const std::string& extension, std::initializer_list<const char*> list) {
    for (const char* candidate : list)
        if (TextMatches(extension, candidate, true)) return true;
    return false;
}

}  // namespace

bool EntryWanted(uint32_t attributes, uint32_t requested) {
    if (requested & kDirExclusive) {
        const uint32_t asked = requested & kListedAttributes;
        if (!asked) return (attributes & kListedAttributes & ~kDirArchive) == 0;
        return (attributes & asked) != 0;
    }
    for (uint32_t bit : {kDirDirectory, kDirHidden, kDirSystem})
        if ((attributes & bit) && !(requested & bit)) return false;
    return true;
}

uint16_t FileImage(const std::string& name, uint32_t attributes) {
    if (attributes & kDirSystem) return kImageSystemFile;
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return kImageFile;
    const std::string extension = name.substr(dot + 1);
    if (HasExtension(extension, {"exe", "bat", "com", "vbx", "ocx", "dll"})) return kImageProgram;
    if (HasExtension(extension, {"txt", "doc", "wri", "rtf"})) return kImageDocument;
    if (HasExtension(extension, {"hlp"})) return kImageHelp;
    return kImageFile;
}

std::string DriveText(char letter, DriveKind kind, const std::string& detail) {
    std::string text(1, letter);
    text += ':';
    switch (kind) {
        case DriveKind::Remote: text += ' ' + (detail.empty() ? "Not connected" : detail); break;
        case DriveKind::Fixed:
            text += '\\';
            if (!detail.empty()) text += ' ' + detail;
            break;
        default: text += '\\'; break;
    }
    return LowerCased(text);
}

uint16_t DriveImage(DriveKind kind) {
    switch (kind) {
        case DriveKind::Removable: return kImageRemovable;
        case DriveKind::Fixed: return kImageFixed;
        case DriveKind::Remote: return kImageNetwork;
        case DriveKind::CdRom: return kImageCdRom;
        case DriveKind::Other: break;
    }
    return kImageFile;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    std::string path = directory;
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += name;
    return path.size() <= kMaxListingPath ? path : std::string();
}

}  // namespace tw
