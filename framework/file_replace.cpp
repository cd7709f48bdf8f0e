#include "framework/file_replace.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tw {

namespace {

IFileReplace*& InstalledService() {
    static IFileReplace* service = nullptr;
    return service;
}

// Asks the system to write the file's cached bytes to the disk.
int SyncFile(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file));
#else
    return fsync(fileno(file));
#endif
}

}  // namespace

bool PortableFileReplace::FlushToDisk(std::FILE* file) {
    if (file == nullptr || std::fflush(file) != 0) return false;
    return SyncFile(file) == 0;
}

bool PortableFileReplace::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

IFileReplace& FileReplaceService() {
    static PortableFileReplace portable;
    IFileReplace* installed = InstalledService();
    return installed != nullptr ? *installed : portable;
}

void SetFileReplaceService(IFileReplace* service) { InstalledService() = service; }

}  // namespace tw
