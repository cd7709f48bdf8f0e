// The directory listing of the outline list (see outline_dir.h).

#include "controls/outline/outline_dir.h"

#include <string>
#include <utility>
#include <vector>

#include "controls/outline/dir_rules.h"
#include "controls/outline/outline_search.h"
#include "controls/outline/outline_view.h"

namespace tw {

namespace {

using DirectoryId = std::pair<DWORD, ULONGLONG>;  // volume serial number, file index

// One listing: where items go and what has been added.
struct Listing {
    Listing(OutlineState& state, DWORD listed, std::string entries)
        : s(state), attributes(listed), mask(std::move(entries)) {}
    OutlineState& s;
    DWORD attributes;
    std::string mask;  // of the entries to list in each directory
    uint32_t lastAdded = 0;
    std::vector<DirectoryId> openDirectories;  // the chain being listed, to refuse loops
};

uint32_t AddListed(Listing& listing, uint32_t parent, const std::string& text, uint16_t image) {
    const uint32_t slot = listing.s.tree.AddChild(parent, 0, LowerCased(text), 0);
    if (!slot) return 0;
    listing.s.tree.Item(slot).bitmapIndex = image;
    listing.lastAdded = slot;
    return slot;
}

bool IdentifyDirectory(const std::string& path, DirectoryId& id) {
    HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool ok = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    id = {info.dwVolumeSerialNumber, (ULONGLONG(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    return ok;
}

bool IsDots(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

void ListDirectory(Listing& listing, uint32_t parent, const std::string& directory, int depth);

// Lists a subdirectory beneath its item, unless the depth, the path length or a loop forbids.
void Descend(Listing& listing, uint32_t item, const std::string& path, DWORD attributes,
             int depth) {
    if (!(listing.attributes & kDirRecurse) || depth >= kMaxListingDepth) return;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return;
    DirectoryId id;
    if (!IdentifyDirectory(path, id)) return;
    for (const DirectoryId& open : listing.openDirectories)
        if (open == id) return;
    listing.openDirectories.push_back(id);
    ListDirectory(listing, item, path, depth + 1);
    listing.openDirectories.pop_back();
}

void ListDirectory(Listing& listing, uint32_t parent, const std::string& directory, int depth) {
    const std::string pattern = JoinPath(directory, listing.mask);
    if (pattern.empty()) return;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(pattern.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (IsDots(entry.cFileName) || !EntryWanted(entry.dwFileAttributes, listing.attributes))
            continue;
        const bool isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const uint16_t image =
            isDirectory ? kDirectoryImage : FileImage(entry.cFileName, entry.dwFileAttributes);
        const uint32_t item = AddListed(listing, parent, entry.cFileName, image);
        if (!item) break;
        const std::string path = JoinPath(directory, entry.cFileName);
        if (isDirectory && !path.empty())
            Descend(listing, item, path, entry.dwFileAttributes, depth);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

// Lists a directory that the listing starts from; a link below that leads back to it is not
// followed either.
void ListFrom(Listing& listing, uint32_t parent, const std::string& directory) {
    DirectoryId id;
    if (IdentifyDirectory(directory, id)) listing.openDirectories.push_back(id);
    ListDirectory(listing, parent, directory, 0);
}

// The share a network drive is connected to; empty when it is not connected.
std::string NetworkShare(char letter) {
    using GetConnection = DWORD(WINAPI*)(LPCSTR, LPSTR, LPDWORD);
    std::string share;
    HMODULE mpr = LoadLibraryA("mpr.dll");
    if (!mpr) return share;
    auto get = reinterpret_cast<GetConnection>(
        reinterpret_cast<void*>(GetProcAddress(mpr, "WNetGetConnectionA")));
    char local[3] = {letter, ':', '\0'};
    char remote[MAX_PATH] = "";
    DWORD size = sizeof remote;
    if (get && get(local, remote, &size) == NO_ERROR) share = remote;
    FreeLibrary(mpr);
    return share;
}

std::string VolumeLabel(const char* root) {
    char label[MAX_PATH + 1] = "";
    if (!GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
        return std::string();
    return label;
}

DriveKind KindOfDrive(UINT type) {
    switch (type) {
        case DRIVE_REMOVABLE: return DriveKind::Removable;
        case DRIVE_FIXED: return DriveKind::Fixed;
        case DRIVE_REMOTE: return DriveKind::Remote;
        case DRIVE_CDROM: return DriveKind::CdRom;
        default: return DriveKind::Other;
    }
}

void ListDrives(Listing& listing) {
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i))) continue;
        const char letter = char('a' + i);
        const char root[4] = {letter, ':', '\\', '\0'};
        const DriveKind kind = KindOfDrive(GetDriveTypeA(root));
        if (kind == DriveKind::Other) continue;
        std::string detail;
        if (kind == DriveKind::Fixed) detail = VolumeLabel(root);
        if (kind == DriveKind::Remote) detail = NetworkShare(letter);
        if (!AddListed(listing, OutlineTree::kRoot, DriveText(letter, kind, detail),
                       DriveImage(kind)))
            break;
    }
}

// Splits "dir\mask" into its directory ("" for the current one) and its mask ("*.*" if none).
void SplitPattern(const std::string& pattern, std::string& directory, std::string& mask) {
    const size_t cut = pattern.find_last_of("\\/:");
    directory = cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
    mask = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
    if (mask.empty()) mask = "*.*";
    if (directory.empty()) directory = ".";
}

// Runs a fill with drawing switched off; the row of what `fill` gives.
template <class Fill>
LRESULT FillQuietly(OutlineState& s, Fill fill) {
    const bool redraw = s.redraw;
    s.redraw = false;
    const uint32_t slot = fill();
    s.redraw = redraw;
    RefreshRows(s);
    return IsItemSlot(slot) ? ShownRow(s, slot) : OLB_ERR;
}

}  // namespace

LRESULT OLB_Dir(OutlineState& s, DWORD attributes, LPCSTR pattern) {
    if (!s.storesStrings) return OLB_ERR;
    Listing listing(s, attributes, std::string());
    return FillQuietly(s, [&] {
        if (attributes & kDirDrives) {
            ListDrives(listing);
        } else {
            std::string directory;
            SplitPattern(pattern ? pattern : "*.*", directory, listing.mask);
            ListFrom(listing, OutlineTree::kRoot, directory);
        }
        return listing.lastAdded;
    });
}

LRESULT OLB_DirEx(OutlineState& s, DWORD attributes, long drive) {
    if (attributes & kDirDrives) return OLB_Dir(s, attributes, "*.*");
    if (!s.storesStrings || drive < 0 || drive > 26) return OLB_ERR;
    char letter = char('a' + drive - 1);
    if (drive == 0) {
        char current[MAX_PATH] = "";
        if (!GetCurrentDirectoryA(sizeof current, current) || current[1] != ':') return OLB_ERR;
        letter = FoldCase(current[0]);
    }
    const std::string root = {letter, ':', '\\'};
    Listing listing(s, attributes | kDirDirectory | kDirRecurse, "*.*");
    return FillQuietly(s, [&] {
        const uint32_t top = AddListed(listing, OutlineTree::kRoot, root, kImageDriveRoot);
        if (!top) return uint32_t(0);
        ListFrom(listing, top, root);
        return top;
    });
}

LRESULT OLB_AddFile(OutlineState& s, LPCSTR fileName) {
    if (!s.storesStrings || !fileName) return OLB_ERR;
    DWORD attributes = GetFileAttributesA(fileName);
    if (attributes == INVALID_FILE_ATTRIBUTES) attributes = 0;
    const uint16_t image =
        (attributes & FILE_ATTRIBUTE_DIRECTORY) ? kDirectoryImage : FileImage(fileName, attributes);
    const uint32_t slot = s.tree.AddChild(OutlineTree::kRoot, 0, fileName, 0);
    if (!slot) return OLB_ERR;
    s.tree.Item(slot).bitmapIndex = image;
    RefreshRows(s);
    return s.tree.RowOf(slot);
}

}  // namespace tw
