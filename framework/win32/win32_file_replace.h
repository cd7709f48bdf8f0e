#pragma once
// The Win32 replace service: FlushFileBuffers on the file's handle, then MoveFileExA with
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, so the new file takes the old one's place
// in one step and the rename itself reaches the disk before the call returns.

#include "framework/file_replace.h"

namespace tw {

class Win32FileReplace : public IFileReplace {
public:
    bool FlushToDisk(std::FILE* file) override;
    bool Replace(const std::string& from, const std::string& to) override;
};

}  // namespace tw
