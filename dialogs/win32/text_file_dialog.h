#pragma once
// The open and save dialogs of the program's text files (export, item lists): the text file
// filter and extension, and the title from the string table.

#include "framework/win32/common_dialogs.h"

namespace tw {

FileDialogOptions TextFileDialogOptions(UINT title);

}  // namespace tw
