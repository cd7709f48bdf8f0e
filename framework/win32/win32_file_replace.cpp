#include "framework/win32/win32_file_replace.h"

#include <windows.h>

#include <io.h>

namespace tw {

bool Win32FileReplace::FlushToDisk(std::FILE* file) {
    if (file == nullptr || std::fflush(file) != 0) return false;
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE) return false;
    return FlushFileBuffers(handle) != FALSE;
}

bool Win32FileReplace::Replace(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace tw
