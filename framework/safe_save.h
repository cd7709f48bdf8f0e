#pragma once
// Saving a file without ever leaving a half-written one in place of the user's file: the bytes
// go to a temporary file in the same folder, which is flushed to the disk and then renamed over
// the target in one step. On any failure the target is untouched and the temporary file removed.

#include <cstdio>
#include <functional>
#include <string>

#include "framework/file_replace.h"

namespace tw {

// Writes the file's whole content to the open stream; false (or an exception) on failure.
using FileContentWriter = std::function<bool(std::FILE* out)>;

// Saves `path` through `write`. Returns true when the new content is in place; otherwise false
// with a short reason in `error` (when not null). Exceptions of `write` are passed on after the
// temporary file has been removed.
bool SaveFileSafely(const std::string& path, const FileContentWriter& write, IFileReplace& replace,
                    std::string* error);

// The temporary file name used for `path`: same folder, a name no file has yet.
std::string TemporaryNameBeside(const std::string& path);

}  // namespace tw
