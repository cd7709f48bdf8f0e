#include "framework/file_error_text.h"

#include "framework/message_text.h"

namespace tw {

namespace {

const char* PatternOf(FileErrorCause cause) {
    switch (cause) {
        case FileErrorCause::None: return "";
        case FileErrorCause::FileNotFound: return "%1 was not found.";
        case FileErrorCause::BadPath: return "%1 contains an incorrect path.";
        case FileErrorCause::TooManyOpenFiles:
            return "%1 could not be opened because there are too many open files.";
        case FileErrorCause::AccessDenied: return "Access to %1 was denied.";
        case FileErrorCause::InvalidFile: return "%1 is not in the expected format.";
        case FileErrorCause::SharingViolation:
            return "A sharing violation occurred while accessing %1.";
        case FileErrorCause::LockViolation:
            return "A locking violation occurred while accessing %1.";
        case FileErrorCause::DiskFull: return "%1 could not be written because the disk is full.";
        case FileErrorCause::EndOfFile: return "An attempt was made to access %1 past its end.";
        case FileErrorCause::HardIo: return "A hardware I/O error was reported while accessing %1.";
        case FileErrorCause::Generic: break;
    }
    return "An unexpected file error occurred while accessing %1.";
}

}  // namespace

std::string FileErrorText(FileErrorCause cause, const std::string& fileName) {
    return SubstituteArgs(PatternOf(cause), {fileName});
}

}  // namespace tw
