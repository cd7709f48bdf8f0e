#pragma once
// The library's version as read from its version resource.

#include <windows.h>

namespace tw {

// Major in bits 24-31, minor in 16-23, the third part in 0-15 of the fixed file version.
DWORD PackLongVersion(DWORD fileVersionMS, DWORD fileVersionLS);

// The fixed file version of the named file; false when it has no readable version resource.
bool ReadFileVersion(const char* path, DWORD& versionMS, DWORD& versionLS);

}  // namespace tw
