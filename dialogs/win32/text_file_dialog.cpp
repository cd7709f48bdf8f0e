#include "dialogs/win32/text_file_dialog.h"

#include "app/res/resource.h"
#include "framework/win32/window.h"

namespace tw {

FileDialogOptions TextFileDialogOptions(UINT title) {
    FileDialogOptions options;
    options.filter = LoadResourceString(IDS_TEXT_FILTER);
    for (char& c : options.filter)
        if (c == '\n') c = '|';
    options.defaultExtension = LoadResourceString(IDS_TEXT_EXTENSION);
    options.title = LoadResourceString(title);
    return options;
}

}  // namespace tw
