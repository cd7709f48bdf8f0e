#pragma once
// The last two steps of a safe save: making a written file durable and putting it in place of
// the user's file in one step. The portable implementation serves the command-line tool and the
// tests; the program installs the Win32 one (framework/win32/win32_file_replace.h).

#include <cstdio>
#include <string>

namespace tw {

class IFileReplace {
public:
    virtual ~IFileReplace() = default;
    // Pushes the file's buffered bytes to the disk. False when the system reports an error.
    virtual bool FlushToDisk(std::FILE* file) = 0;
    // Renames `from` to `to` in one step, replacing `to` when it exists. False on failure,
    // and then `to` is as it was.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
};

// fflush + fsync, then rename(2).
class PortableFileReplace : public IFileReplace {
public:
    bool FlushToDisk(std::FILE* file) override;
    bool Replace(const std::string& from, const std::string& to) override;
};

// The process-wide replace service; starts as the portable one.
IFileReplace& FileReplaceService();
// Installs another service (null puts the portable one back). The caller keeps it alive.
void SetFileReplaceService(IFileReplace* service);

}  // namespace tw
