#pragma once
// What the directory listing of an outline list adds: which entries it takes, their texts and
// their pictures. Portable: the file system is read by the library (outline_dir.cpp).

#include <cstdint>
#include <string>

namespace tw {

// Attribute bits of the list-box directory listing (and of the file system's entries).
constexpr uint32_t kDirReadOnly = 0x0001;
constexpr uint32_t kDirHidden = 0x0002;
constexpr uint32_t kDirSystem = 0x0004;
constexpr uint32_t kDirDirectory = 0x0010;
constexpr uint32_t kDirArchive = 0x0020;
constexpr uint32_t kDirRecurse = 0x1000;  // ours: list the contents of directories beneath them
constexpr uint32_t kDirDrives = 0x4000;
constexpr uint32_t kDirExclusive = 0x8000;

// Pictures of the built-in strip that the listing uses.
constexpr uint16_t kImageFile = 2;
constexpr uint16_t kImageDriveRoot = 3;
constexpr uint16_t kImageProgram = 4;
constexpr uint16_t kImageSystemFile = 5;
constexpr uint16_t kImageDocument = 8;
constexpr uint16_t kImageHelp = 9;
constexpr uint16_t kImageRemovable = 10;
constexpr uint16_t kImageFixed = 11;
constexpr uint16_t kImageNetwork = 12;
constexpr uint16_t kImageCdRom = 13;

// Limits of a recursive listing: directories deeper than this are not entered, and paths are
// kept shorter than the system's path limit.
constexpr int kMaxListingDepth = 32;
constexpr size_t kMaxListingPath = 259;

// True when an entry with `attributes` belongs in a listing that asked for `requested`: with
// the exclusive bit only entries having one of the asked attributes (or, when none is asked,
// plain files); otherwise directories, hidden and system entries only when asked for.
bool EntryWanted(uint32_t attributes, uint32_t requested);

// The picture of a file: by its extension, any case; a system file has its own.
uint16_t FileImage(const std::string& name, uint32_t attributes);

enum class DriveKind { Removable, Fixed, Remote, CdRom, Other };

// The text of a drive's row (lower case) and its picture; `detail` is the volume label of a
// fixed drive or the share name of a network drive (empty: not connected).
std::string DriveText(char letter, DriveKind kind, const std::string& detail);
uint16_t DriveImage(DriveKind kind);

// "dir\name" within the path limit; empty when it would not fit.
std::string JoinPath(const std::string& directory, const std::string& name);

}  // namespace tw
