// GetLongVersion and GetTarnVersion: the version resource of TARN32.DLL.

#include "controls/version.h"

#include <vector>

#include "controls/library_data.h"
#include "controls/tarn32.h"

namespace tw {

DWORD PackLongVersion(DWORD fileVersionMS, DWORD fileVersionLS) {
    const DWORD major = HIWORD(fileVersionMS) & 0xFF;
    const DWORD minor = LOWORD(fileVersionMS) & 0xFF;
    return (major << 24) | (minor << 16) | HIWORD(fileVersionLS);
}

bool ReadFileVersion(const char* path, DWORD& versionMS, DWORD& versionLS) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return false;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data())) return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof *info)
        return false;
    versionMS = info->dwFileVersionMS;
    versionLS = info->dwFileVersionLS;
    return true;
}

namespace {

// By name first, as a client would find the library; then this module's own file, so a
// library loaded from outside the search path still knows its version.
bool ReadOwnVersion(DWORD& versionMS, DWORD& versionLS) {
    if (ReadFileVersion("TARN32.DLL", versionMS, versionLS)) return true;
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(LibraryModule(), path, sizeof path);
    return length > 0 && length < sizeof path && ReadFileVersion(path, versionMS, versionLS);
}

}  // namespace
}  // namespace tw

extern "C" DWORD WINAPI GetLongVersion(void) {
    DWORD versionMS = 0;
    DWORD versionLS = 0;
    if (!tw::ReadOwnVersion(versionMS, versionLS)) return 0;
    return tw::PackLongVersion(versionMS, versionLS);
}

extern "C" WORD WINAPI GetTarnVersion(void) { return HIWORD(GetLongVersion()); }
