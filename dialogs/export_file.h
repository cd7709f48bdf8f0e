#pragma once
// Writing an export to its file without ever leaving a half-written one: the new content
// (for an append, the file's old bytes followed by the new lines) goes to a temporary file
// beside it, which takes the file's place only once complete. A failure leaves the file as it
// was and says why.

#include <functional>
#include <string>

#include "framework/file_error_text.h"

namespace tw {

class IExportOutput;
class IFileReplace;

// Writes the export's bytes to the output; false when the output refused them.
using ExportContent = std::function<bool(IExportOutput& out)>;

// Writes the file at `path`: a new file replaces any file there; `append` adds the lines to
// the end of the file there, creating it when missing. FileErrorCause::None when the file is
// in place; otherwise the cause, and the file at `path` is as it was.
FileErrorCause WriteExportFile(const std::string& path, bool append, const ExportContent& content,
                               IFileReplace& replace);

// The cause behind a C library error number of a file operation (Generic for an unknown one).
FileErrorCause FileErrorCauseOfErrno(int error);

}  // namespace tw
