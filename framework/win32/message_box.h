#pragma once
// Message boxes with texts from the string table and "%1" substitution, the prompter that
// shows the framework's questions as message boxes, and the standard file-error reports.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/file_error_text.h"
#include "framework/prompt.h"

namespace tw {

// Shows the framework's questions in real message boxes, owned by the active window.
class MessageBoxPrompter : public IPrompter {
public:
    explicit MessageBoxPrompter(const char* caption) : caption_(caption) {}
    PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon icon) override;

private:
    std::string caption_;
};

// String table entry id with its "%n" place holders filled, asked through the prompter.
PromptAnswer AskResource(UINT id, const std::vector<std::string>& args, PromptButtons buttons,
                         PromptIcon icon = PromptIcon::Warning);
void TellResource(UINT id, const std::vector<std::string>& args = {},
                  PromptIcon icon = PromptIcon::Warning);

// The cause behind a Win32 error code from a file operation.
FileErrorCause FileErrorCauseOf(DWORD win32Error);
// Tells the user the standard text for cause, naming the file.
void ReportFileError(FileErrorCause cause, const std::string& fileName);

}  // namespace tw
