#include "framework/win32/message_box.h"

#include "framework/message_text.h"
#include "framework/win32/window.h"

namespace tw {

namespace {

UINT ButtonFlags(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok: return MB_OK;
        case PromptButtons::OkCancel: return MB_OKCANCEL;
        case PromptButtons::YesNo: return MB_YESNO;
        case PromptButtons::YesNoCancel: return MB_YESNOCANCEL;
    }
    return MB_OK;
}

UINT IconFlags(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::None: return 0;
        case PromptIcon::Information: return MB_ICONINFORMATION;
        case PromptIcon::Warning: return MB_ICONEXCLAMATION;
        case PromptIcon::Error: return MB_ICONSTOP;
        case PromptIcon::Question: return MB_ICONQUESTION;
    }
    return 0;
}

PromptAnswer AnswerOf(int result) {
    switch (result) {
        case IDOK: return PromptAnswer::Ok;
        case IDYES: return PromptAnswer::Yes;
        case IDNO: return PromptAnswer::No;
        default: return PromptAnswer::Cancel;
    }
}

}  // namespace

PromptAnswer MessageBoxPrompter::Ask(const std::string& text, PromptButtons buttons,
                                     PromptIcon icon) {
    HWND owner = ::GetActiveWindow();
    int result = ::MessageBoxA(owner, text.c_str(), caption_.c_str(),
                               ButtonFlags(buttons) | IconFlags(icon) | MB_TASKMODAL);
    return AnswerOf(result);
}

PromptAnswer AskResource(UINT id, const std::vector<std::string>& args, PromptButtons buttons,
                         PromptIcon icon) {
    return Ask(SubstituteArgs(LoadResourceString(id), args), buttons, icon);
}

void TellResource(UINT id, const std::vector<std::string>& args, PromptIcon icon) {
    AskResource(id, args, PromptButtons::Ok, icon);
}

FileErrorCause FileErrorCauseOf(DWORD win32Error) {
    switch (win32Error) {
        case NO_ERROR: return FileErrorCause::None;
        case ERROR_FILE_NOT_FOUND: return FileErrorCause::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE: return FileErrorCause::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES: return FileErrorCause::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: return FileErrorCause::AccessDenied;
        case ERROR_SHARING_VIOLATION: return FileErrorCause::SharingViolation;
        case ERROR_LOCK_VIOLATION: return FileErrorCause::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return FileErrorCause::DiskFull;
        case ERROR_HANDLE_EOF: return FileErrorCause::EndOfFile;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT: return FileErrorCause::HardIo;
        default: return FileErrorCause::Generic;
    }
}

void ReportFileError(FileErrorCause cause, const std::string& fileName) {
    if (cause == FileErrorCause::None) return;
    Tell(FileErrorText(cause, fileName), PromptIcon::Warning);
}

}  // namespace tw
