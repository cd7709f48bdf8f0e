#pragma once
// The texts of the file errors a user can meet, each naming the file with "%1".

#include <string>

namespace tw {

enum class FileErrorCause {
    None,
    Generic,  // anything not listed below
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,  // the contents are not in the expected form
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,  // read past the end
    HardIo,
};

// The message for cause with the file name in place of "%1".
std::string FileErrorText(FileErrorCause cause, const std::string& fileName);

}  // namespace tw
