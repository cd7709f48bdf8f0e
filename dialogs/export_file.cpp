#include "dialogs/export_file.h"

#include <cerrno>
#include <cstdio>

#include "dialogs/export_writer.h"
#include "framework/safe_save.h"

namespace tw {

namespace {

// An output onto an open file that remembers the error of a failed write.
class FileOutput : public IExportOutput {
public:
    FileOutput(std::FILE* file, int& error) : file_(file), error_(error) {}
    bool Write(const char* data, size_t size) override {
        if (std::fwrite(data, 1, size, file_) == size) return true;
        error_ = errno != 0 ? errno : EIO;
        return false;
    }

private:
    std::FILE* file_;
    int& error_;
};

// Copies the bytes of the file at `path` to `out`; false (with the error) when it fails.
bool CopyFileBytes(const std::string& path, std::FILE* out, int& error) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) {
        error = errno;
        return false;
    }
    char buffer[64 * 1024];
    bool ok = true;
    size_t n;
    while (ok && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        ok = std::fwrite(buffer, 1, n, out) == n;
        if (!ok) error = errno != 0 ? errno : EIO;
    }
    if (ok && std::ferror(in) != 0) {
        error = EIO;
        ok = false;
    }
    std::fclose(in);
    return ok;
}

// Whether a file is at `path`, and when there is one, that it may be written: 0, or the error
// of opening it for writing (without changing it).
int ProbeExisting(const std::string& path, bool& exists) {
    exists = false;
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file != nullptr) {
        exists = true;
        std::fclose(file);
        return 0;
    }
    const int error = errno;
    if (error == ENOENT) return 0;
    exists = true;
    return error;
}

}  // namespace

FileErrorCause FileErrorCauseOfErrno(int error) {
    switch (error) {
        case 0: return FileErrorCause::None;
        case ENOENT: return FileErrorCause::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL: return FileErrorCause::BadPath;
        case EMFILE:
        case ENFILE: return FileErrorCause::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return FileErrorCause::AccessDenied;
        case ENOSPC: return FileErrorCause::DiskFull;
        case EIO: return FileErrorCause::HardIo;
        default: return FileErrorCause::Generic;
    }
}

FileErrorCause WriteExportFile(const std::string& path, bool append, const ExportContent& content,
                               IFileReplace& replace) {
    bool exists = false;
    if (const int refused = ProbeExisting(path, exists)) return FileErrorCauseOfErrno(refused);
    int error = 0;
    bool started = false;  // the temporary file was created
    const bool saved = SaveFileSafely(
        path,
        [&](std::FILE* out) {
            started = true;
            if (append && exists && !CopyFileBytes(path, out, error)) return false;
            FileOutput output(out, error);
            return content(output);
        },
        replace, nullptr);
    if (saved) return FileErrorCause::None;
    if (!started) error = errno;  // set by the failed creation, nothing ran after it
    // A missing folder shows as a missing temporary file: the path is wrong.
    const FileErrorCause cause = FileErrorCauseOfErrno(error);
    if (cause == FileErrorCause::FileNotFound) return FileErrorCause::BadPath;
    return cause == FileErrorCause::None ? FileErrorCause::Generic : cause;
}

}  // namespace tw
